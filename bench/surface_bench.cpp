// How long the surface work takes at common screen sizes. The fill runs on coarse events
// only and is set against a memset of the same memory; a cursor move (restore the
// previous stamp, stamp the real spotlight mask, prepared once, at the new place) runs on every tick the
// cursor moves and is set against a row-by-row copy of one rectangle of the same size. So is a
// laser pointer's tick, against a copy of the rectangle it gives back to be presented.
#include "overlay/laser_rows.h"
#include "overlay/laser_trail.h"
#include "overlay/surface.h"

#include "tools/asset_images.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

// A DIB section's pixels begin on a page, so every row's blocks do on common widths.
template <class T> struct PageAligned {
    using value_type = T;
    PageAligned() = default;
    template <class U> PageAligned(const PageAligned<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t(4096))); }
    void deallocate(T* p, size_t) { ::operator delete(p, std::align_val_t(4096)); }
    template <class U> bool operator==(const PageAligned<U>&) const { return true; }
    template <class U> bool operator!=(const PageAligned<U>&) const { return false; }
};

struct Screen {
    std::vector<uint32_t, PageAligned<uint32_t>> pixels;
    SurfacePixels view;
    Screen(int width, int height) : pixels(size_t(width) * size_t(height)), view{pixels.data(), width, height}
    {
    }
};

// A generated mask in the form the program loads it: 24-bit rows, bottom row first.
struct Mask {
    int width, height, stride;
    std::vector<uint8_t> bits;
    explicit Mask(const assets::SpotlightKind& kind)
    {
        assets::Image image = assets::makeSpotlight(kind);
        width = image.width;
        height = image.height;
        stride = (3 * width + 3) & ~3;
        bits.assign(size_t(stride) * size_t(height), 0);
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column) {
                const uint8_t* pixel = &image.bgra[(size_t(height - 1 - row) * size_t(width) + column) * 4];
                memcpy(&bits[size_t(row) * stride + 3 * column], pixel, 3);
            }
    }
    MaskImage image() const { return {bits.data(), width, height, stride}; }
};

constexpr int kMasks = 5;
const assets::SpotlightKind kKinds[kMasks] = {
    {assets::SpotShape::Circle, assets::SpotSize::Small, false},
    {assets::SpotShape::Circle, assets::SpotSize::Medium, false},
    {assets::SpotShape::Circle, assets::SpotSize::Large, false},
    {assets::SpotShape::Circle, assets::SpotSize::ExtraLarge, false},
    {assets::SpotShape::Rect, assets::SpotSize::Large, true},
};
const char* const kKindNames[kMasks] = {"circleSmall", "circleMedium", "circleLarge", "circleExtraLarge",
                                        "rectLargeBlur"};

// One cursor move of one pixel, as the timer does while the mouse moves.
void spotlightMove(benchmark::State& state, int kind, int screenWidth, int screenHeight)
{
    Screen screen(screenWidth, screenHeight);
    fillSurface(screen.view, dimPixel(175));
    Mask mask(kKinds[kind]);
    const PreparedStamp stamp = prepareStamp(mask.image(), 175);
    StampPos last = {screenWidth / 2, screenHeight / 2, true};
    int x = screenWidth / 2;
    for (auto _ : state) {
        x = x == screenWidth / 2 ? screenWidth / 2 + 1 : screenWidth / 2;
        drawStamp(screen.view, stamp, last, x, screenHeight / 2, 0, 0, 0, 175);
        benchmark::DoNotOptimize(screen.pixels.data());
    }
    state.SetLabel(std::to_string(mask.width) + "x" + std::to_string(mask.height));
}

// The floor: copying one mask-sized rectangle of surface pixels, row by row.
void rectangleCopy(benchmark::State& state, int kind, int screenWidth, int screenHeight)
{
    Screen screen(screenWidth, screenHeight);
    Mask mask(kKinds[kind]);
    std::vector<uint32_t> source(size_t(mask.width) * size_t(mask.height), dimPixel(175));
    for (auto _ : state) {
        for (int row = 0; row < mask.height; ++row)
            memcpy(&screen.pixels[size_t(screenHeight / 2 + row) * size_t(screenWidth) +
                                  size_t(screenWidth / 2)],
                   &source[size_t(row) * size_t(mask.width)], size_t(mask.width) * 4);
        benchmark::DoNotOptimize(screen.pixels.data());
    }
    state.SetLabel(std::to_string(mask.width) + "x" + std::to_string(mask.height));
}

// The pointer moving steadily, step px per 10 ms tick, to and fro along a line 1600 px long,
// with its trail at full length: one tick per iteration.
struct PointerRun {
    Screen screen{1920, 1080};
    LaserTrail trail;
    int step, dy, x = 160, y = 200, direction = 1;
    uint32_t now = 0;
    PointerRun(int dpi, int stepPixels, int rise) : step(stepPixels), dy(rise)
    {
        // ORBIQA_BENCH_BLOCK=8 (or 4, 1) shows what a processor with narrower blocks gets.
        if (const char* block = std::getenv("ORBIQA_BENCH_BLOCK"))
            if (const LaserRowKernels* kernels = laserRowKernelsOf(std::atoi(block)))
                trail.kernels = kernels;
        setLaserLook(trail, dpi, 0xFF0000);
        for (int i = 0; i < 50; ++i)
            tick();
    }
    LaserRect tick()
    {
        if ((direction > 0 && x >= 1760) || (direction < 0 && x <= 160))
            direction = -direction;
        x += direction * step;
        y += direction * dy;
        now += 10;
        return laserTick(screen.view, trail, true, x, y, now);
    }
};

std::string sizeLabel(LaserRect r)
{
    return std::to_string(r.width) + "x" + std::to_string(r.height);
}

void pointerMove(benchmark::State& state, int dpi, int step, int rise)
{
    PointerRun run(dpi, step, rise);
    LaserRect changed = {};
    for (auto _ : state) {
        changed = run.tick();
        benchmark::DoNotOptimize(run.screen.pixels.data());
    }
    state.SetLabel(sizeLabel(changed) + ", " + std::to_string(run.trail.kernels->blockPixels) + " px blocks");
}

// The rectangle a steady tick gives back, copied row by row.
void pointerRectangleCopy(benchmark::State& state, int dpi, int step, int rise)
{
    PointerRun run(dpi, step, rise);
    const LaserRect changed = run.tick();
    Screen screen(1920, 1080);
    std::vector<uint32_t> source(size_t(changed.width) * size_t(changed.height), 0x80800000);
    for (auto _ : state) {
        for (int row = 0; row < changed.height; ++row)
            memcpy(&screen.pixels[size_t(changed.y + row) * 1920 + size_t(changed.x)],
                   &source[size_t(row) * size_t(changed.width)], size_t(changed.width) * 4);
        benchmark::DoNotOptimize(screen.pixels.data());
    }
    state.SetLabel(sizeLabel(changed));
}

void fillOverlayBench(benchmark::State& state)
{
    Screen screen(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        fillSurface(screen.view, dimPixel(175));
        benchmark::DoNotOptimize(screen.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(screen.pixels.size() * 4));
}

void fillColouredOverlayBench(benchmark::State& state)
{
    Screen screen(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        fillSurface(screen.view, dimPixel(175, 0x3060C0));
        benchmark::DoNotOptimize(screen.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(screen.pixels.size() * 4));
}

void memsetSurfaceBench(benchmark::State& state)
{
    Screen screen(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        memset(screen.pixels.data(), 0xAF, screen.pixels.size() * 4);
        benchmark::DoNotOptimize(screen.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(screen.pixels.size() * 4));
}

void registerAll()
{
    const int screens[2][2] = {{1920, 1080}, {3840, 2160}};
    for (auto& screen : screens)
        for (int kind = 0; kind < kMasks; ++kind) {
            std::string suffix = std::string("/") + kKindNames[kind] + "/" + std::to_string(screen[0]) + "x" +
                                 std::to_string(screen[1]);
            benchmark::RegisterBenchmark(("spotlightMove" + suffix).c_str(), spotlightMove, kind, screen[0],
                                         screen[1]);
            benchmark::RegisterBenchmark(("rectangleCopy" + suffix).c_str(), rectangleCopy, kind, screen[0],
                                         screen[1]);
        }
    // px per tick, and px up per tick: slow, steady, fast, and a steady slant.
    const int moves[4][2] = {{1, 0}, {4, 0}, {20, 0}, {4, 2}};
    for (int dpi : {96, 192})
        for (auto& move : moves) {
            std::string suffix = "/" + std::to_string(dpi) + "dpi/" + std::to_string(move[0]) + "px" +
                                 (move[1] ? "/slant" : "");
            benchmark::RegisterBenchmark(("pointerMove" + suffix).c_str(), pointerMove, dpi, move[0],
                                         move[1]);
            benchmark::RegisterBenchmark(("pointerRectangleCopy" + suffix).c_str(), pointerRectangleCopy, dpi,
                                         move[0], move[1]);
        }
}

const int registered = (registerAll(), 0);

} // namespace

BENCHMARK(fillOverlayBench)->Args({1920, 1080})->Args({3840, 2160});
BENCHMARK(fillColouredOverlayBench)->Args({1920, 1080})->Args({3840, 2160});
BENCHMARK(memsetSurfaceBench)->Args({1920, 1080})->Args({3840, 2160});
