// The laser's pixel work on runs of whole blocks, in the widest blocks the processor has:
// 16 pixels with AVX-512, 8 with AVX2, 4 with SSE2, else 1. A pointer tick fades and stamps a few thousand
// pixels, and a copy of them, which it is measured against, moves 32 bytes an instruction.
// Window-free.
#pragma once
#include <cstddef>
#include <cstdint>

struct LaserRowKernels {
    int blockPixels;
    // rows runs of count pixels (a multiple of blockPixels), the first at first and each next
    // stride pixels on; each byte less step's, stopping at 0.
    void (*fade)(uint32_t* first, size_t stride, int rows, int count, uint32_t step);
    // The same runs faded by step (0: not at all), then each byte the larger of its own and the
    // sprite's; the sprite's runs lie pitch pixels apart.
    void (*stamp)(uint32_t* first, size_t stride, int rows, int count, const uint32_t* sprite, size_t pitch,
                  uint32_t step);
};

// The widest kernels this processor runs, picked at the first call.
const LaserRowKernels& laserRowKernels();
// The kernels of a block width, or null where they are not built or the processor lacks them.
const LaserRowKernels* laserRowKernelsOf(int blockPixels);
