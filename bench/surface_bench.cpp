// How long the surface work takes at common screen sizes, next to a plain memset of the
// same memory: the fill runs on coarse events only, a move on every tick the cursor moves.
#include "overlay/surface.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct Screen {
    std::vector<uint32_t> pixels;
    SurfacePixels view;
    Screen(int width, int height) : pixels(size_t(width) * size_t(height)), view{pixels.data(), width, height}
    {
    }
};

// A soft disc like the large circle spotlight, 300 px across.
struct DiscMask {
    int size = 300;
    int stride = (3 * size + 3) & ~3;
    std::vector<uint8_t> bits = std::vector<uint8_t>(size_t(stride) * size);
    DiscMask()
    {
        for (int i = 0; i < size; ++i)
            for (int j = 0; j < size; ++j) {
                double d = std::hypot(i - size / 2.0, j - size / 2.0) / (size / 2.0);
                bits[size_t(i) * stride + 3 * j] = d >= 1 ? 0 : uint8_t(255 * (1 - d * d));
            }
    }
    MaskImage image() const { return {bits.data(), size, size, stride}; }
};

void fillOverlayBench(benchmark::State& state)
{
    Screen screen(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        fillSurface(screen.view, dimPixel(175));
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

// One cursor move: restore the previous stamp and stamp at the new place.
void spotlightMoveBench(benchmark::State& state)
{
    Screen screen(int(state.range(0)), int(state.range(1)));
    fillSurface(screen.view, dimPixel(175));
    DiscMask mask;
    StampPos last = {1, 1};
    int x = 100;
    for (auto _ : state) {
        x = x == 100 ? 101 : 100;
        drawStamp(screen.view, mask.image(), last, x, 200, 0, 0, 0, 175);
        benchmark::DoNotOptimize(screen.pixels.data());
    }
}

} // namespace

BENCHMARK(fillOverlayBench)->Args({1920, 1080})->Args({3840, 2160});
BENCHMARK(memsetSurfaceBench)->Args({1920, 1080})->Args({3840, 2160});
BENCHMARK(spotlightMoveBench)->Args({1920, 1080})->Args({3840, 2160});
