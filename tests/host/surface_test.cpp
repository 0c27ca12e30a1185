#include "overlay/surface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TestSurface {
    std::vector<uint32_t> pixels;
    SurfacePixels view;
    TestSurface(int width, int height, uint32_t value = 0xDEADBEEF)
        : pixels(size_t(width) * size_t(height), value), view{pixels.data(), width, height}
    {
    }
    uint32_t at(int column, int row) const
    {
        return pixels[size_t(row) * size_t(view.width) + size_t(column)];
    }
    int alphaAt(int column, int row) const { return int(at(column, row) >> 24); }
    int countEqual(uint32_t value) const
    {
        int n = 0;
        for (uint32_t p : pixels)
            n += p == value;
        return n;
    }
};

// A 24-bit mask image with padded rows; every pixel holds one mask value unless set.
struct TestMask {
    int width, height, stride;
    std::vector<uint8_t> bits;
    TestMask(int w, int h, uint8_t value)
        : width(w), height(h), stride((3 * w + 3) & ~3), bits(size_t(stride) * h)
    {
        for (int i = 0; i < h; ++i)
            for (int j = 0; j < w; ++j)
                set(j, i, value);
    }
    void set(int column, int row, uint8_t value)
    {
        uint8_t* p = &bits[size_t(row) * stride + 3 * column];
        p[0] = value;
        p[1] = 0x11; // green and red are not the mask
        p[2] = 0x22;
    }
    MaskImage image() const { return {bits.data(), width, height, stride}; }
};

} // namespace

TEST(Stamp, MaskAgainstOpacityBoundaries)
{
    struct {
        uint8_t mask;
        int opacity;
        uint32_t pixel;
    } cases[] = {
        {0, 175, 0x12345678}, // untouched
        {80, 175, 175u << 24},
        {81, 175, 174u << 24},
        {200, 175, 55u << 24},
        {255, 175, 0},
        {1, 255, 254u << 24},
        {1, 0, 0},
        // A hand-edited opacity: above 255 the mask decides, below 0 its low 8 bits do.
        {100, 300, 155u << 24},
        {100, -1, 255u << 24},
        {100, -56, 200u << 24},
    };
    for (auto c : cases) {
        TestSurface surface(4, 4, 0x12345678);
        TestMask mask(1, 1, c.mask);
        stampMask(surface.view, mask.image(), 2, 1, c.opacity);
        EXPECT_EQ(surface.at(2, 1), c.pixel) << int(c.mask) << " at opacity " << c.opacity;
        EXPECT_EQ(surface.countEqual(0x12345678), c.mask == 0 ? 16 : 15);
    }
}

TEST(Stamp, ImageRowsMapUprightWithoutFlipping)
{
    TestSurface surface(5, 5, 0);
    TestMask mask(3, 2, 0);
    mask.set(0, 0, 255); // bottom-left of the image
    mask.set(2, 1, 155); // top-right
    stampMask(surface.view, mask.image(), 1, 2, 200);
    EXPECT_EQ(surface.alphaAt(1, 2), 0);
    EXPECT_EQ(surface.alphaAt(3, 3), 100);
    EXPECT_EQ(surface.countEqual(0), 25 - 1);
}

TEST(Stamp, ClipsAtEveryEdge)
{
    const int W = 10, H = 8;
    struct {
        int x, y;
        int litColumns, litRows; // the part of a 4 x 3 stamp that lands inside
    } cases[] = {
        {-2, 2, 2, 3},  {8, 2, 2, 3},  {3, -1, 4, 2},          {3, 6, 4, 2},
        {-3, -2, 1, 1}, {9, 7, 1, 1},  {-4, 2, 0, 0},          {10, 2, 0, 0},
        {3, 8, 0, 0},   {3, -3, 0, 0}, {-2147483647, 0, 0, 0}, {2147483640, 2147483640, 0, 0},
    };
    for (auto c : cases) {
        TestSurface surface(W, H, 175u << 24);
        TestMask mask(4, 3, 255);
        stampMask(surface.view, mask.image(), c.x, c.y, 175);
        EXPECT_EQ(surface.countEqual(0), c.litColumns * c.litRows) << c.x << "," << c.y;

        TestSurface cleared(W, H, 175u << 24);
        fillRect(cleared.view, c.x, c.y, 4, 3, 0);
        EXPECT_EQ(cleared.countEqual(0), c.litColumns * c.litRows) << c.x << "," << c.y;
    }
    // Column 0 and row 0 are lit like any other pixel.
    TestSurface surface(W, H, 175u << 24);
    stampMask(surface.view, TestMask(4, 3, 255).image(), -1, -1, 175);
    EXPECT_EQ(surface.alphaAt(0, 0), 0);
    EXPECT_EQ(surface.alphaAt(2, 1), 0);
    EXPECT_EQ(surface.alphaAt(3, 2), 175);
}

TEST(Stamp, UnusableMasksAndSurfacesWriteNothing)
{
    TestMask mask(4, 3, 255);
    MaskImage cases[] = {
        {nullptr, 4, 3, mask.stride},
        {mask.bits.data(), 0, 3, mask.stride},
        {mask.bits.data(), 4, -1, mask.stride},
        {mask.bits.data(), 4, 3, 11}, // rows shorter than the width needs
        {mask.bits.data(), 4, 3, -12},
    };
    for (const MaskImage& image : cases) {
        TestSurface surface(6, 6, 7);
        stampMask(surface.view, image, 1, 1, 175);
        EXPECT_EQ(surface.countEqual(7), 36);
    }
    SurfacePixels none = {nullptr, 100, 100};
    fillSurface(none, 0);
    fillRect(none, 0, 0, 5, 5, 0);
    stampMask(none, mask.image(), 0, 0, 175);
}

TEST(Fill, DimValueTakesTheLowEightBitsOfOpacity)
{
    struct {
        int opacity;
        uint32_t pixel;
    } cases[] = {{175, 0xAF000000u}, {0, 0},           {255, 0xFF000000u}, {256, 0},
                 {300, 0x2C000000u}, {-1, 0xFF000000u}};
    for (auto c : cases) {
        TestSurface surface(3, 2);
        fillSurface(surface.view, dimPixel(c.opacity));
        EXPECT_EQ(surface.countEqual(c.pixel), 6) << c.opacity;
    }
}

TEST(Draw, RestoresThePreviousStampWithTheCurrentImageSize)
{
    TestSurface surface(20, 20);
    fillSurface(surface.view, dimPixel(175));
    StampPos last = {0, 0};
    TestMask small(2, 2, 255);
    TestMask large(4, 4, 255);

    drawStamp(surface.view, large.image(), last, 5, 5, 0, 0, 0, 175);
    EXPECT_EQ(surface.countEqual(0), 16);
    // The restore uses the current (smaller) image: part of the old stamp stays lit.
    drawStamp(surface.view, small.image(), last, 12, 12, 0, 0, 0, 175);
    EXPECT_EQ(surface.countEqual(0), 16 - 4 + 4);
    EXPECT_EQ(surface.alphaAt(5, 5), 175);
    EXPECT_EQ(surface.alphaAt(7, 7), 0);
    EXPECT_EQ(last.x, 12);
    EXPECT_EQ(last.y, 12);
}

TEST(Draw, CornerAtOriginIsNeverRestored)
{
    TestSurface surface(10, 10);
    fillSurface(surface.view, dimPixel(175));
    StampPos last = {0, 0};
    TestMask mask(2, 2, 255);
    drawStamp(surface.view, mask.image(), last, 0, 0, 0, 0, 0, 175);
    drawStamp(surface.view, mask.image(), last, 5, 5, 0, 0, 0, 175);
    EXPECT_EQ(surface.alphaAt(0, 0), 0) << "(0, 0) stands for nothing to restore";
    EXPECT_EQ(surface.countEqual(0), 8);
    drawStamp(surface.view, mask.image(), last, 1, 0, 0, 0, 0, 175);
    EXPECT_EQ(surface.alphaAt(5, 5), 175);
}

TEST(Draw, HighlightClearsItsRectangleAndLeavesTheRestAfterARestore)
{
    TestSurface surface(30, 20);
    fillSurface(surface.view, dimPixel(175));
    StampPos last = {0, 0};
    TestMask mask(3, 3, 255);
    drawStamp(surface.view, mask.image(), last, 2, 3, 1, 10, 6, 175);
    EXPECT_EQ(surface.countEqual(0), 60);
    EXPECT_EQ(surface.alphaAt(2, 3), 0);
    EXPECT_EQ(surface.alphaAt(11, 8), 0);
    EXPECT_EQ(surface.alphaAt(12, 8), 175);
    EXPECT_EQ(surface.alphaAt(11, 9), 175);

    // A spotlight afterwards puts back only an image-sized corner of the highlight.
    drawStamp(surface.view, mask.image(), last, 20, 10, 0, 0, 0, 175);
    EXPECT_EQ(surface.countEqual(0), 60 - 9 + 9);
    EXPECT_EQ(surface.alphaAt(2, 3), 175);
    EXPECT_EQ(surface.alphaAt(5, 3), 0);

    // An empty highlight clears nothing but still moves the remembered corner.
    drawStamp(surface.view, mask.image(), last, 7, 7, 1, 0, 5, 175);
    EXPECT_EQ(last.x, 7);
    EXPECT_EQ(surface.alphaAt(20, 10), 175);
}
