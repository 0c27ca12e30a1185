#include "app/tray_icon_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(TrayIconPath, BuiltWithinItsBufferOrNotAtAll)
{
    const std::string suffix = "\\orbiqaIco.ICO";
    for (size_t length :
         {size_t(24), kTrayIconPathSize - 1 - suffix.size(), kTrayIconPathSize - suffix.size()}) {
        const std::string dir(length, 'd');
        const bool fits = length + suffix.size() < kTrayIconPathSize;
        char path[kTrayIconPathSize];
        memset(path, 'x', sizeof path);
        EXPECT_EQ(buildTrayIconPath(dir.c_str(), path, sizeof path), fits) << length;
        EXPECT_EQ(std::string(path), fits ? dir + suffix : "") << length;
    }
}
