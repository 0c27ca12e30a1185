#include "app/tray_icon_path.h"
#include "input/highlight_rect.h"
#include "overlay/surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool sameRect(HighlightRect a, HighlightRect b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

} // namespace

TEST(HighlightRect, EverySweepDirectionGivesTheSameRectangle)
{
    // Top-left (100, 50) to bottom-right (300, 200), swept from each corner to its opposite.
    const HighlightRect expected = {100, 50, 200, 150};
    struct {
        ScreenPoint anchor, current;
        const char* direction;
    } cases[] = {
        {{100, 50}, {300, 200}, "down-right"},
        {{300, 200}, {100, 50}, "up-left"},
        {{300, 50}, {100, 200}, "down-left"},
        {{100, 200}, {300, 50}, "up-right"},
    };
    for (auto c : cases) {
        EXPECT_TRUE(sameRect(rectOfCorners(c.anchor, c.current), expected)) << c.direction;

        ScreenPoint anchor = c.anchor, current = c.current;
        normaliseCorners(anchor, current);
        EXPECT_EQ(anchor.x, 100) << c.direction;
        EXPECT_EQ(anchor.y, 50) << c.direction;
        EXPECT_EQ(current.x, 300) << c.direction;
        EXPECT_EQ(current.y, 200) << c.direction;
        EXPECT_TRUE(sameRect(rectOfCorners(anchor, current), expected)) << c.direction;
    }
}

TEST(HighlightRect, DegenerateAndExtremeSweeps)
{
    struct {
        ScreenPoint anchor, current;
        HighlightRect expected;
    } cases[] = {
        {{40, 30}, {40, 30}, {40, 30, 0, 0}},          // a tap without moving
        {{40, 30}, {90, 30}, {40, 30, 50, 0}},         // flat: lights nothing
        {{-200, -10}, {20, 10}, {-200, -10, 220, 20}}, // from a monitor left of the primary
        {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}}, // no overflow
    };
    for (auto c : cases) {
        HighlightRect rect = rectOfCorners(c.anchor, c.current);
        EXPECT_TRUE(sameRect(rect, c.expected))
            << rect.left << "," << rect.top << " " << rect.width << "x" << rect.height;
        ScreenPoint anchor = c.current, current = c.anchor;
        normaliseCorners(anchor, current);
        EXPECT_TRUE(sameRect(rectOfCorners(anchor, current), c.expected));
    }
}

// The converted row, handed to the surface, must light exactly the swept screen rows.
TEST(HighlightRect, BottomRowLightsExactlyTheSweptScreenRows)
{
    const int width = 8, height = 6;
    struct {
        int top, rectHeight, bottomRow;
    } cases[] = {
        {0, 6, 0},             // the whole height
        {0, 1, 5},             // the top screen row is the last surface row
        {5, 1, 0},             // the bottom screen row is surface row 0
        {2, 3, 1}, {4, 4, -2}, // reaches below the screen: clipped
        {1, 0, 5},             // zero height lights nothing
    };
    for (auto c : cases) {
        EXPECT_EQ(surfaceRowOfBottom(height, c.top, c.rectHeight), c.bottomRow)
            << c.top << "+" << c.rectHeight;

        std::vector<uint32_t> pixels(width * height, dimPixel(175));
        SurfacePixels surface = {pixels.data(), width, height};
        fillRect(surface, 2, surfaceRowOfBottom(height, c.top, c.rectHeight), 3, c.rectHeight, 0);
        for (int screenRow = 0; screenRow < height; ++screenRow) {
            bool swept = screenRow >= c.top && screenRow < c.top + c.rectHeight;
            int surfaceRow = height - 1 - screenRow;
            EXPECT_EQ(pixels[surfaceRow * width + 2] == 0, swept) << "screen row " << screenRow;
            EXPECT_EQ(pixels[surfaceRow * width + 5], dimPixel(175)) << "column past the right edge";
        }
    }
    EXPECT_EQ(surfaceRowOfBottom(INT_MAX, INT_MIN, 0), INT_MAX);
}

TEST(TrayIconPath, BuiltWithinItsBufferOrNotAtAll)
{
    const std::string suffix = "\\orbiqaIco.ICO";
    const size_t longestDir = kTrayIconPathSize - 1 - suffix.size();
    struct {
        std::string dir;
        bool fits;
    } cases[] = {
        {"C:\\Program Files\\Orbiqa", true},
        {std::string(longestDir, 'd'), true},
        {std::string(longestDir + 1, 'd'), false},
        {std::string(400, 'd'), false},
    };
    for (auto& c : cases) {
        char path[kTrayIconPathSize];
        memset(path, 'x', sizeof path);
        EXPECT_EQ(buildTrayIconPath(c.dir.c_str(), path, sizeof path), c.fits) << c.dir.size();
        EXPECT_EQ(std::string(path), c.fits ? c.dir + suffix : "") << c.dir.size();
    }
}
