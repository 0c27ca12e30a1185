#include "overlay/laser_rows.h"
#include "overlay/laser_trail.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

TEST(Laser, DotSizeAndProfile)
{
    // A silly DPI is clamped to 24..960, none counts as 96.
    const int sizes[][2] = {{96, 23}, {192, 47}, {0, 23}, {-5, 23}, {1, 5}, {100000, 239}};
    for (auto size : sizes) {
        LaserTrail trail;
        setLaserLook(trail, size[0], 0xFF0000);
        EXPECT_EQ(trail.spriteSize, size[1]) << size[0];
    }
    // Along the row through the centre at 96 DPI: the dot, its anti-aliased edge, the glow.
    const uint32_t row[][2] = {{0, 0xFFFF0000}, {7, 0xFFFF0000},  {8, 0xB2B20000},
                               {9, 0x38380000}, {11, 0x06060000}, {12, 0}};
    std::vector<uint32_t> pixels(40 * 30, 0);
    LaserTrail trail;
    setLaserLook(trail, 96, 0xFF0000);
    LaserRect changed = laserTick({pixels.data(), 40, 30}, trail, true, 15, 12, 5);
    EXPECT_TRUE(changed.x == 4 && changed.y == 1 && changed.width == 23 && changed.height == 23);
    for (auto at : row)
        EXPECT_EQ(pixels[12 * 40 + 15 + at[0]], at[1]) << at[0];
}

// A dot at x 20, a move to x 60 10 ms later, held there 5 ms, then the key is let go. The
// pixel at x 49 was stamped on the way and lies under the held dot's glow; its colour bytes must
// reach 0 no later than its alpha. Right across the tick count's wrap.
TEST(Laser, TrailFadesWithinTheFadeTime)
{
    const uint32_t t = 0xFFFFFFC0;
    // clang-format off
    struct { uint32_t now; bool shown; int x; LaserRect changed; uint32_t pixel; bool faded; } ticks[] = {
        {t, true, 20, {9, 9, 23, 23}, 0, false}, {t + 10, true, 60, {9, 9, 63, 23}, 0xFF3060C0, false},
        {t + 15, true, 60, {9, 9, 63, 23}, 0xFC2F5EBD, false}, {t + 210, false, 0, {9, 9, 63, 23}, 0x80172F5F, false},
        {t + 409, false, 0, {9, 9, 63, 23}, 0x01000000, false}, {t + 410, false, 0, {9, 9, 63, 23}, 0, false},
        {t + 420, false, 0, {9, 9, 63, 23}, 0, true}, {t + 430, false, 0, {0, 0, 0, 0}, 0, true}};
    // clang-format on
    // An odd width puts the rows' 16-byte blocks at different columns.
    for (int width : {101, 100}) {
        std::vector<uint32_t> pixels(size_t(width) * 40, 0);
        LaserTrail trail;
        setLaserLook(trail, 96, 0x3060C0);
        for (auto tick : ticks) {
            LaserRect r = laserTick({pixels.data(), width, 40}, trail, tick.shown, tick.x, 20, tick.now);
            const uint32_t pixel = pixels[size_t(20 * width + 49)];
            EXPECT_TRUE(r.x == tick.changed.x && r.y == tick.changed.y && r.width == tick.changed.width &&
                        r.height == tick.changed.height && pixel == tick.pixel &&
                        laserFaded(trail) == tick.faded)
                << width << " at " << tick.now - t << ": " << r.x << "," << r.y << " " << r.width << "x"
                << r.height << " " << std::hex << pixel;
        }
    }
    std::vector<uint32_t> pixels(100 * 40, 0);
    LaserTrail trail;
    setLaserLook(trail, 96, 0x3060C0);
    // Far off, and no surface: nothing drawn, nothing kept.
    for (int far : {INT_MIN, INT_MAX}) {
        laserTick({pixels.data(), 100, 40}, trail, true, 20, 20, t + 500);
        LaserRect r = laserTick({pixels.data(), 100, 40}, trail, true, far, far, t + 510);
        EXPECT_TRUE(r.x == 9 && r.width == 23) << far;
        laserTick({nullptr, 0, 0}, trail, true, far, far, t + 520);
        EXPECT_TRUE(laserFaded(trail));
    }
}

// Each block width the processor has must draw what the pixel-by-pixel kernels draw, on a
// surface whose rows all begin on a block and on one whose rows do not, along a walk past
// both edges, across rows, creeping, jumping, and fading out.
TEST(Laser, EveryKernelDrawsTheSamePixels)
{
    const int walk[][3] = {{30, 20, 1},  {31, 20, 1},  {35, 21, 1}, {2, 22, 1},  {-6, 24, 1}, {60, 30, 1},
                           {124, 31, 1}, {131, 33, 1}, {90, 5, 1},  {91, 6, 1},  {40, 60, 1}, {0, 0, 0},
                           {0, 0, 0},    {45, 40, 1},  {46, 40, 1}, {47, 40, 1}, {0, 0, 0}};
    const int height = 64;
    // Rows of 128 pixels from a 64-byte boundary; rows of 101 from one pixel past it.
    for (int width : {128, 101}) {
        const int offset = width % 16 ? 1 : 0;
        const size_t count = size_t(width) * height + 16;
        auto* reference = static_cast<uint32_t*>(std::aligned_alloc(64, count * 4));
        auto* tried = static_cast<uint32_t*>(std::aligned_alloc(64, count * 4));
        for (int block : {4, 8, 16}) {
            const LaserRowKernels* kernels = laserRowKernelsOf(block);
            if (!kernels)
                continue;
            std::fill(reference, reference + count, 0u);
            std::fill(tried, tried + count, 0u);
            LaserTrail expected, actual;
            expected.kernels = laserRowKernelsOf(1);
            actual.kernels = kernels;
            setLaserLook(expected, 96, 0x40C020);
            setLaserLook(actual, 96, 0x40C020);
            uint32_t now = 1000;
            for (auto step : walk) {
                now += 17;
                const LaserRect want = laserTick({reference + offset, width, height}, expected, step[2] != 0,
                                                 step[0], step[1], now);
                const LaserRect got =
                    laserTick({tried + offset, width, height}, actual, step[2] != 0, step[0], step[1], now);
                ASSERT_TRUE(want.x == got.x && want.y == got.y && want.width == got.width &&
                            want.height == got.height)
                    << block << " px blocks, width " << width << ", tick at " << now;
                ASSERT_TRUE(std::equal(reference, reference + count, tried))
                    << block << " px blocks, width " << width << ", tick at " << now;
            }
        }
        std::free(reference);
        std::free(tried);
    }
}
