#include "overlay/monitors.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// The primary at the origin and a smaller monitor to its left, lower down: the virtual
// screen starts at a negative x and has a gap above the second monitor.
static const MonitorLayout kTwo = {
    {-1024, 0, 1280, 868}, {{0, 0, 1280, 800}, {-1024, 100, 0, 868}}, {96, 144}, 2, 0};

TEST(Monitors, TheOneHoldingThePointElseTheNearest)
{
    // clang-format off
    struct { int x, y, monitor; } cases[] = {
        {0, 0, 0},    {1279, 799, 0}, {-1, 100, 1},  {-1024, 867, 1},  // corners, both sides of the seam
        {-500, 0, 1}, {1279, 850, 0}, {5000, -9, 0}, {-3000, 9000, 1}, // the gap and far outside
    };
    // clang-format on
    for (auto c : cases)
        EXPECT_EQ(monitorAt(kTwo, c.x, c.y), c.monitor) << c.x << "," << c.y;
    EXPECT_EQ(monitorAt(MonitorLayout{}, 0, 0), -1);
}

// The primary's view, filled, dims exactly the primary; a stamp reaching over a monitor's
// edge stops at it: the neighbour's pixels stay clear.
TEST(Monitors, AreaIsTheMonitorsPartOfTheSurfaceAndNoMore)
{
    std::vector<uint32_t> pixels(2304 * 868, 0);
    SurfacePixels surface = {pixels.data(), 2304, 868};
    MonitorArea primary = monitorArea(surface, kTwo.virtualScreen, kTwo.monitors[0]);
    MonitorArea left = monitorArea(surface, kTwo.virtualScreen, kTwo.monitors[1]);
    EXPECT_TRUE(primary.column == 1024 && primary.row == 68 && left.column == 0 && left.row == 0 &&
                left.view.width == 1024 && left.view.height == 768);

    fillSurface(primary.view, dimPixel(175));
    std::vector<uint8_t> bits(3 * 40 * 40, 255);
    StampPos last = {};
    drawStamp(primary.view, prepareStamp({bits.data(), 40, 40, 120}, 175), last, -20, 780, 0, 0, 0, 175);
    for (int row = 0; row < 868; ++row)
        for (int column = 0; column < 2304; ++column) {
            bool onPrimary = column >= 1024 && row >= 68;
            bool lit = column < 1044 && row >= 848;
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
    using C = LayoutChange;
    const MonitorRect s = kTwo.virtualScreen, a = kTwo.monitors[0], b = kTwo.monitors[1],
                      up = {-1024, 0, 0, 768};
    const std::pair<MonitorLayout, C> cases[] = {
        {{s, {a, b}, {96, 144}, 2, 0}, C::none},     {{s, {a, b}, {96, 96}, 2, 0}, C::scale},
        {{s, {a, up}, {96, 96}, 2, 0}, C::geometry}, {{s, {b, a}, {96, 144}, 2, 0}, C::geometry},
        {{s, {a, b}, {96, 144}, 1, 0}, C::geometry}, {{s, {a, b}, {96, 144}, 2, 1}, C::geometry}};
    for (const auto& c : cases)
        EXPECT_EQ(compareLayouts(kTwo, c.first), c.second) << &c - cases;
}

// From the 96-DPI monitor to the 144-DPI one: the first stamp there is the enlarged mask,
// centred on the cursor; and back.
TEST(Monitors, SpotlightCentredWithTheMaskOfItsMonitor)
{
    std::vector<uint8_t> bits(3 * 40 * 20, 255);
    ScaledMask mask;
    replaceMaskFile(mask, {bits.data(), 40, 20, 120});
    const int moves[][6] = {
        {1500, 400, 0, 40, 1480, 458}, {500, 500, 1, 60, 470, 353}, {1600, 300, 0, 40, 1580, 558}};
    for (auto m : moves) { // x, y; monitor, mask width, the stamp's lower-left surface corner
        const SpotlightPlace place = placeSpotlight(kTwo, mask, m[0], m[1]);
        EXPECT_TRUE(place.monitor == m[2] && mask.stamped.width == m[3] && place.x == m[4] && place.y == m[5])
            << m[0];
    }
}

TEST(Monitors, MaskScaledByDpiOver96)
{
    const uint8_t bits[] = {0, 1, 2, 200, 1, 2, 9, 9}; // 2x1, blue bytes 0 and 200, padded row
    const MaskImage mask = {bits, 2, 1, 8};
    std::vector<uint8_t> storage;
    // At most four times the monitor's pixels: a larger mask is none at all.
    const int bounds[][3] = {{96, 1, 1}, {72, 1, 1}, {96, 0, 0}, {192, 1, 0}}; // dpi, monitor pixels, kept
    for (auto b : bounds)
        EXPECT_EQ(maskForDpi(mask, b[0], b[1], storage).bits, b[2] ? bits : nullptr) << b[0];
    const MaskImage doubled = maskForDpi(mask, 192, 2, storage);
    ASSERT_TRUE(doubled.width == 4 && doubled.height == 2 && doubled.stride == 12);
    const int expected[] = {0, 50, 150, 200};
    for (int j = 0; j < 4; ++j)
        EXPECT_TRUE(doubled.bits[3 * j] == expected[j] && doubled.bits[12 + 3 * j] == expected[j]) << j;
    const MaskImage scaled = maskForDpi(mask, 144, 2, storage); // 1.5: 3x2 (rounded)
    EXPECT_TRUE(scaled.width == 3 && scaled.height == 2 && scaled.bits[0] == 0 && scaled.bits[6] == 200);
}
