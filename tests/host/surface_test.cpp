#include "overlay/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct TestSurface {
    std::vector<uint32_t> pixels;
    SurfacePixels view;
    TestSurface(int width, int height, uint32_t value)
        : pixels(size_t(width) * size_t(height), value), view{pixels.data(), width, height}
    {
    }
    int countEqual(uint32_t value) const { return int(std::count(pixels.begin(), pixels.end(), value)); }
};

// A 24-bit mask with rows padded to four bytes; only blue is the mask, the rest is noise.
struct TestMask {
    int width, height, stride;
    std::vector<uint8_t> bits;
    TestMask(int w, int h, uint8_t value)
        : width(w), height(h), stride((3 * w + 3) & ~3), bits(size_t(stride * h), 0x11)
    {
        for (int i = 0; i < w * h; ++i)
            bits[size_t(i / w * stride + i % w * 3)] = value;
    }
    MaskImage image() const { return {bits.data(), width, height, stride}; }
};

} // namespace

TEST(Stamp, MaskAgainstOpacityBoundaries)
{
    // A hand-edited opacity: above 255 the mask decides, below 0 its low 8 bits do.
    // clang-format off
    struct { uint8_t mask; int opacity; uint32_t pixel; } cases[] = {
        {0, 175, 0x12345678}, {80, 175, 175u << 24}, {81, 175, 174u << 24}, {255, 175, 0}, {1, 255, 254u << 24},
        {1, 0, 0}, {100, 300, 155u << 24}, {100, -56, 200u << 24}};
    // clang-format on
    for (auto c : cases) {
        TestSurface surface(4, 4, 0x12345678);
        stampMask(surface.view, TestMask(1, 1, c.mask).image(), 2, 1, c.opacity);
        EXPECT_TRUE(surface.pixels[1 * 4 + 2] == c.pixel && surface.countEqual(0x12345678) == 15 + !c.mask)
            << int(c.mask) << " at opacity " << c.opacity;
    }
}

// The part of a 4 x 3 stamp or cleared rectangle that lands on a 10 x 8 surface.
TEST(Stamp, StampAndRectangleClipAtEveryEdge)
{
    // clang-format off
    struct { int x, y, lit; } cases[] = {{-2, 2, 6}, {8, 2, 6}, {3, -1, 8}, {3, 6, 8}, {-3, -2, 1}, {9, 7, 1},
        {-4, 2, 0}, {10, 2, 0}, {3, 8, 0}, {3, -3, 0}, {-2147483647, 0, 0}, {2147483640, 2147483640, 0}};
    // clang-format on
    for (auto c : cases) {
        TestSurface stamped(10, 8, 175u << 24), cleared(10, 8, 175u << 24);
        stampMask(stamped.view, TestMask(4, 3, 255).image(), c.x, c.y, 175);
        fillRect(cleared.view, c.x, c.y, 4, 3, 0);
        EXPECT_TRUE(stamped.countEqual(0) == c.lit && cleared.countEqual(0) == c.lit) << c.x << "," << c.y;
    }
}

// Nothing loaded, no width, a negative height, rows shorter than the width needs, or a
// negative stride: nothing is stamped.
TEST(Stamp, UnusableMasksWriteNothing)
{
    TestSurface surface(6, 6, 7);
    TestMask mask(4, 3, 255);
    const uint8_t* bits = mask.bits.data();
    for (MaskImage image :
         {MaskImage{nullptr, 0, 0, 0}, MaskImage{bits, 0, 3, 12}, MaskImage{bits, 4, -1, 12},
          MaskImage{bits, 4, 3, 11}, MaskImage{bits, 4, 3, -12}})
        stampMask(surface.view, image, 1, 1, 175);
    EXPECT_EQ(surface.countEqual(7), 36);
}

// The larger stamp's remainder stays lit: 12 of its 16 pixels, and the 4 of the new one.
TEST(Draw, RestoresTheLastPlaceWithTheCurrentImageSize)
{
    TestSurface surface(30, 20, dimPixel(175));
    StampPos last = {};
    drawStamp(surface.view, prepareStamp(TestMask(4, 4, 255).image(), 175), last, 5, 5, 0, 0, 0, 175);
    drawStamp(surface.view, prepareStamp(TestMask(2, 2, 255).image(), 175), last, 12, 12, 0, 0, 0, 175);
    EXPECT_TRUE(surface.pixels[5 * 30 + 5] == dimPixel(175) && surface.pixels[7 * 30 + 7] == 0);
    EXPECT_EQ(surface.countEqual(0), 16);
}

// A move writes each pixel once, yet leaves the old rectangle dim and the new stamp's
// non-zero mask values over it; the mask's zeros leave the dim value or the surface as it
// was. A stamp at the corner too.
TEST(Draw, MoveLeavesTheOldPlaceDimUnderTheNewStamp)
{
    TestMask mask(9, 7, 200);
    const auto lit = [](int column, int row) { return (row * 9 + column) % 4 != 0; };
    for (int i = 0; i < 63; i += 4)
        mask.bits[size_t(i / 9 * mask.stride + i % 9 * 3)] = 0;
    const PreparedStamp stamp = prepareStamp(mask.image(), 175);
    // clang-format off
    // From x, y to x, y.
    const int moves[][4] = {{6, 5, 7, 5}, {6, 5, 3, 8}, {6, 5, 6, 1}, {6, 5, 20, 12}, {-4, 2, -2, 1}, {0, 0, 4, 4}};
    // clang-format on
    for (auto move : moves) {
        TestSurface surface(26, 18, 0);
        StampPos last = {};
        for (int to : {0, 2})
            drawStamp(surface.view, stamp, last, move[to], move[to + 1], 0, 0, 0, 175);
        int wrong = 0;
        for (int row = 0; row < 18; ++row)
            for (int column = 0; column < 26; ++column) {
                const int x = column - move[2], y = row - move[3];
                const bool stamped = unsigned(x) < 9 && unsigned(y) < 7 && lit(x, y);
                const bool old = unsigned(column - move[0]) < 9 && unsigned(row - move[1]) < 7;
                const uint32_t expected = stamped ? 55u << 24 : old ? 175u << 24 : 0; // 255 - 200, the dim
                wrong += surface.pixels[size_t(row * 26 + column)] != expected;
            }
        EXPECT_EQ(wrong, 0) << move[2] << "," << move[3];
    }
}

// A coloured dim: the fill (where the last stamp was) and a 1 x 1 hole of each mask value;
// black and white keep their bytes.
TEST(Draw, ColouredDimAndItsHole)
{
    // clang-format off
    struct { uint8_t mask; uint32_t colour, fill, hole; } cases[] = {
        {100, 0x3060C0, 0xAF214284, 0x9B1D3A75}, {255, 0x3060C0, 0xAF214284, 0}, {80, 0x3060C0, 0xAF214284, 0xAF214284},
        {100, 0, 175u << 24, 155u << 24}, {255, 0, 175u << 24, 0}, {100, 0xFFFFFF, 0xAFAFAFAF, 0x9B9B9B9B}};
    // clang-format on
    for (auto c : cases) {
        TestSurface surface(3, 1, 0x12345678);
        StampPos last = {};
        const PreparedStamp stamp = prepareStamp(TestMask(1, 1, c.mask).image(), 175, c.colour);
        for (int x : {0, 2})
            drawStamp(surface.view, stamp, last, x, 0, 0, 0, 0, 175, c.colour);
        EXPECT_TRUE(surface.pixels[0] == c.fill && surface.pixels[1] == 0x12345678 &&
                    surface.pixels[2] == c.hole)
            << std::hex << c.colour << " " << surface.pixels[0] << " " << surface.pixels[2];
    }
}
