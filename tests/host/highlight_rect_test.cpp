#include "input/highlight_rect.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

TEST(HighlightRect, CornersSweptAnyWayGiveOneRectangle)
{
    struct {
        ScreenPoint from, to;
        HighlightRect rect;
        const char* what;
    } cases[] = {
        {{100, 50}, {300, 200}, {100, 50, 200, 150}, "down-right"},
        {{300, 200}, {100, 50}, {100, 50, 200, 150}, "up-left"},
        {{300, 50}, {100, 200}, {100, 50, 200, 150}, "down-left"},
        {{100, 200}, {300, 50}, {100, 50, 200, 150}, "up-right"},
        {{40, 30}, {40, 30}, {40, 30, 0, 0}, "a tap without moving"},
        {{20, 10}, {-200, -10}, {-200, -10, 220, 20}, "onto a monitor left of the primary"},
        {{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, "without overflow"},
    };
    for (auto c : cases) {
        ScreenPoint anchor = c.from, current = c.to;
        normaliseCorners(anchor, current);
        EXPECT_TRUE(anchor.x == c.rect.left && anchor.y == c.rect.top) << c.what;
        const HighlightRect swept = rectOfCorners(c.from, c.to), normalised = rectOfCorners(anchor, current);
        EXPECT_EQ(memcmp(&swept, &c.rect, sizeof swept), 0) << c.what;
        EXPECT_EQ(memcmp(&normalised, &c.rect, sizeof swept), 0) << c.what;
    }
}
