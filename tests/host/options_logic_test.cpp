#include "options/options_layout.h"

#include <gtest/gtest.h>

TEST(OpacityLabel, ATooSmallBufferIsRefusedNotOverrun)
{
    char tight[12]; // "100% Opaque" and its terminator
    EXPECT_TRUE(formatOpacityLabel(10, tight, sizeof tight));
    EXPECT_STREQ(tight, "100% Opaque");
    EXPECT_FALSE(formatOpacityLabel(10, tight, sizeof tight - 1));
    EXPECT_STREQ(tight, "");
}
