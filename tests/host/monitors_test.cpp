#include "overlay/monitors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

// The primary at the origin and a smaller monitor to its left, lower down: the virtual
// screen starts at a negative x and has a gap above the second monitor.
static const MonitorLayout kTwo = {
    {-1024, 0, 1280, 868}, {{0, 0, 1280, 800}, {-1024, 100, 0, 868}}, {96, 144}, 2, 0};

TEST(Monitors, TheOneHoldingThePointElseTheNearest)
{
    struct {
        int x, y, monitor;
    } cases[] = {
        {0, 0, 0},    {1279, 799, 0}, {-1, 100, 1},  {-1024, 867, 1},  // corners, both sides of the seam
        {-500, 0, 1}, {1279, 850, 0}, {5000, -9, 0}, {-3000, 9000, 1}, // the gap and far outside
    };
    for (auto c : cases)
        EXPECT_EQ(monitorAt(kTwo, c.x, c.y), c.monitor) << c.x << "," << c.y;
    EXPECT_EQ(monitorAt(MonitorLayout{}, 0, 0), -1);
}

// A stamp reaching over a monitor's edge stops at it: the neighbour's pixels stay clear.
TEST(Monitors, AreaIsTheMonitorsPartOfTheSurfaceAndNoMore)
{
    std::vector<uint32_t> pixels(2304 * 868, 0);
    SurfacePixels surface = {pixels.data(), 2304, 868};
    MonitorArea primary = monitorArea(surface, kTwo.virtualScreen, kTwo.monitors[0]);
    MonitorArea left = monitorArea(surface, kTwo.virtualScreen, kTwo.monitors[1]);
    EXPECT_TRUE(primary.column == 1024 && primary.row == 68 && primary.view.width == 1280 &&
                primary.view.height == 800 && primary.view.pixels == &pixels[68 * 2304 + 1024]);
    EXPECT_TRUE(left.column == 0 && left.row == 0 && left.view.width == 1024 && left.view.height == 768);

    fillSurface(primary.view, dimPixel(175));
    std::vector<uint8_t> bits(3 * 40 * 40, 255);
    StampPos last = {};
    drawStamp(primary.view, prepareStamp({bits.data(), 40, 40, 120}, 175), last, -20, 780, 0, 0, 0, 175);
    for (int row = 0; row < 868; ++row)
        for (int column = 0; column < 2304; ++column) {
            bool onPrimary = column >= 1024 && row >= 68;
            bool lit = column < 1024 + 20 && row >= 68 + 780;
            ASSERT_EQ(pixels[size_t(row) * 2304 + size_t(column)], onPrimary && !lit ? dimPixel(175) : 0u)
                << column << "," << row;
        }

    // A monitor the surface does not reach gives nothing to write to.
    EXPECT_EQ(monitorArea(surface, kTwo.virtualScreen, {1280, 0, 1600, 800}).view.pixels, nullptr);
}

// Each reading of the same enumeration: a monitor moved inside the same virtual screen
// needs a new surface, a new scale alone a new mask.
TEST(Monitors, LayoutChangesByPlaceAndByScale)
{
    struct {
        MonitorRect first, second;
        int secondDpi, count, primary;
        LayoutChange change;
    } cases[] = {
        {kTwo.monitors[0], kTwo.monitors[1], 144, 2, 0, LayoutChange::none},
        {kTwo.monitors[0], kTwo.monitors[1], 96, 2, 0, LayoutChange::scale},
        {kTwo.monitors[0], {-1024, 0, 0, 768}, 144, 2, 0, LayoutChange::geometry},
        {kTwo.monitors[0], {-1024, 0, 0, 768}, 96, 2, 0, LayoutChange::geometry},
        {kTwo.monitors[1], kTwo.monitors[0], 144, 2, 0, LayoutChange::geometry},
        {kTwo.monitors[0], kTwo.monitors[1], 144, 1, 0, LayoutChange::geometry},
        {kTwo.monitors[0], kTwo.monitors[1], 144, 2, 1, LayoutChange::geometry},
    };
    for (const auto& c : cases) {
        MonitorLayout now = {kTwo.virtualScreen, {c.first, c.second}, {96, c.secondDpi}, c.count, c.primary};
        EXPECT_EQ(compareLayouts(kTwo, now), c.change) << &c - cases;
    }
}

// From the 96-DPI monitor to the 144-DPI one: the first stamp there is the enlarged mask,
// centred on the cursor; and back.
TEST(Monitors, SpotlightCentredWithTheMaskOfItsMonitor)
{
    std::vector<uint8_t> bits(3 * 40 * 20, 255);
    ScaledMask mask;
    scaleMaskFor(mask, kTwo, 0);
    replaceMaskFile(mask, {bits.data(), 40, 20, 120});
    struct {
        int x, y, monitor, width;
    } moves[] = {{1500, 400, 0, 40}, {500, 500, 1, 60}, {1600, 300, 0, 40}};
    for (auto m : moves) {
        const SpotlightPlace place = placeSpotlight(kTwo, mask, m.x, m.y);
        EXPECT_TRUE(place.monitor == m.monitor && mask.stamped.width == m.width &&
                    place.x + m.width / 2 == m.x && place.y + mask.stamped.height / 2 == 868 - m.y)
            << m.x;
    }
}

TEST(Monitors, MaskScaledByDpiOver96)
{
    const uint8_t bits[] = {0, 1, 2, 200, 1, 2, 9, 9}; // 2x1, blue bytes 0 and 200, padded row
    const MaskImage mask = {bits, 2, 1, 8};
    std::vector<uint8_t> storage;
    // At most four times the monitor's pixels: a larger mask is none at all.
    struct {
        int dpi, monitorPixels;
        const uint8_t* result;
    } bounds[] = {{96, 1, bits}, {72, 1, bits}, {96, 0, nullptr}, {192, 1, nullptr}};
    for (auto b : bounds)
        EXPECT_EQ(maskForDpi(mask, b.dpi, b.monitorPixels, storage).bits, b.result) << b.dpi;
    const MaskImage doubled = maskForDpi(mask, 192, 2, storage);
    ASSERT_TRUE(doubled.width == 4 && doubled.height == 2 && doubled.stride == 12);
    const int expected[] = {0, 50, 150, 200};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(doubled.bits[i * 12 + 3 * j], expected[j]) << j;
    const MaskImage scaled = maskForDpi(mask, 144, 2, storage); // 1.5: 3x2 (rounded)
    EXPECT_TRUE(scaled.width == 3 && scaled.height == 2 && scaled.bits[0] == 0 && scaled.bits[6] == 200);
}
