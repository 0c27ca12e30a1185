#include "overlay/laser_rows.h"

#include <algorithm>

// The wide kernels are built for their own instruction sets, whatever the build targets, and
// run only where the processor has them: the 32-bit program gets them too.
#if (defined(__i386__) || defined(__x86_64__)) && (defined(__GNUC__) || defined(__clang__))
#define ORBIQA_WIDE_KERNELS 1
#include <immintrin.h>
#define FOR_ISA(isa) __attribute__((target(isa)))
#endif

namespace {

// Byte by byte: no byte may carry into its neighbour.
uint32_t fadedPixel(uint32_t pixel, uint32_t step)
{
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t value = pixel >> shift & 0xFF, less = step >> shift & 0xFF;
        result |= (value > less ? value - less : 0) << shift;
    }
    return result;
}

// The larger byte of each pair. For two pixels of one colour that is the one of higher alpha;
// for any two premultiplied pixels it is again one (no colour byte exceeds its alpha).
uint32_t brighterPixel(uint32_t a, uint32_t b)
{
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8)
        result |= std::max(a >> shift & 0xFF, b >> shift & 0xFF) << shift;
    return result;
}

void fadeOneByOne(uint32_t* first, size_t stride, int rows, int count, uint32_t step)
{
    for (int row = 0; row < rows; ++row, first += stride)
        for (int i = 0; i < count; ++i)
            first[i] = fadedPixel(first[i], step);
}

void stampOneByOne(uint32_t* first, size_t stride, int rows, int count, const uint32_t* sprite, size_t pitch,
                   uint32_t step)
{
    for (int row = 0; row < rows; ++row, first += stride, sprite += pitch)
        for (int i = 0; i < count; ++i)
            first[i] = brighterPixel(step ? fadedPixel(first[i], step) : first[i], sprite[i]);
}

const LaserRowKernels kOneByOne = {1, fadeOneByOne, stampOneByOne};

#if defined(ORBIQA_WIDE_KERNELS)
// One kernel per instruction set, each written out: a function built for a wider set may not
// lend its code to a narrower one. The fades take two blocks a turn, so that the loop's own
// instructions weigh less than the work.

FOR_ISA("sse2") void fadeSse2(uint32_t* first, size_t stride, int rows, int count, uint32_t step)
{
    const __m128i steps = _mm_set1_epi32(int(step));
    for (int row = 0; row < rows; ++row, first += stride) {
        __m128i* at = reinterpret_cast<__m128i*>(first);
        __m128i* const end = reinterpret_cast<__m128i*>(first + count);
        for (; end - at >= 2; at += 2) {
            const __m128i a = _mm_subs_epu8(_mm_loadu_si128(at), steps);
            const __m128i b = _mm_subs_epu8(_mm_loadu_si128(at + 1), steps);
            _mm_storeu_si128(at, a);
            _mm_storeu_si128(at + 1, b);
        }
        if (at < end)
            _mm_storeu_si128(at, _mm_subs_epu8(_mm_loadu_si128(at), steps));
    }
}

FOR_ISA("sse2")
void stampSse2(uint32_t* first, size_t stride, int rows, int count, const uint32_t* sprite, size_t pitch,
               uint32_t step)
{
    const __m128i steps = _mm_set1_epi32(int(step));
    for (int row = 0; row < rows; ++row, first += stride, sprite += pitch) {
        __m128i* at = reinterpret_cast<__m128i*>(first);
        __m128i* const end = reinterpret_cast<__m128i*>(first + count);
        const __m128i* from = reinterpret_cast<const __m128i*>(sprite);
        for (; at < end; ++at, ++from)
            _mm_storeu_si128(at,
                             _mm_max_epu8(_mm_subs_epu8(_mm_loadu_si128(at), steps), _mm_loadu_si128(from)));
    }
}

FOR_ISA("avx2") void fadeAvx2(uint32_t* first, size_t stride, int rows, int count, uint32_t step)
{
    const __m256i steps = _mm256_set1_epi32(int(step));
    for (int row = 0; row < rows; ++row, first += stride) {
        __m256i* at = reinterpret_cast<__m256i*>(first);
        __m256i* const end = reinterpret_cast<__m256i*>(first + count);
        for (; end - at >= 2; at += 2) {
            const __m256i a = _mm256_subs_epu8(_mm256_loadu_si256(at), steps);
            const __m256i b = _mm256_subs_epu8(_mm256_loadu_si256(at + 1), steps);
            _mm256_storeu_si256(at, a);
            _mm256_storeu_si256(at + 1, b);
        }
        if (at < end)
            _mm256_storeu_si256(at, _mm256_subs_epu8(_mm256_loadu_si256(at), steps));
    }
}

FOR_ISA("avx2")
void stampAvx2(uint32_t* first, size_t stride, int rows, int count, const uint32_t* sprite, size_t pitch,
               uint32_t step)
{
    const __m256i steps = _mm256_set1_epi32(int(step));
    for (int row = 0; row < rows; ++row, first += stride, sprite += pitch) {
        __m256i* at = reinterpret_cast<__m256i*>(first);
        __m256i* const end = reinterpret_cast<__m256i*>(first + count);
        const __m256i* from = reinterpret_cast<const __m256i*>(sprite);
        for (; at < end; ++at, ++from)
            _mm256_storeu_si256(at, _mm256_max_epu8(_mm256_subs_epu8(_mm256_loadu_si256(at), steps),
                                                    _mm256_loadu_si256(from)));
    }
}

FOR_ISA("avx512f,avx512bw")
void fadeAvx512(uint32_t* first, size_t stride, int rows, int count, uint32_t step)
{
    const __m512i steps = _mm512_set1_epi32(int(step));
    for (int row = 0; row < rows; ++row, first += stride) {
        __m512i* at = reinterpret_cast<__m512i*>(first);
        __m512i* const end = reinterpret_cast<__m512i*>(first + count);
        for (; end - at >= 2; at += 2) {
            const __m512i a = _mm512_subs_epu8(_mm512_loadu_si512(at), steps);
            const __m512i b = _mm512_subs_epu8(_mm512_loadu_si512(at + 1), steps);
            _mm512_storeu_si512(at, a);
            _mm512_storeu_si512(at + 1, b);
        }
        if (at < end)
            _mm512_storeu_si512(at, _mm512_subs_epu8(_mm512_loadu_si512(at), steps));
    }
}

FOR_ISA("avx512f,avx512bw")
void stampAvx512(uint32_t* first, size_t stride, int rows, int count, const uint32_t* sprite, size_t pitch,
                 uint32_t step)
{
    const __m512i steps = _mm512_set1_epi32(int(step));
    for (int row = 0; row < rows; ++row, first += stride, sprite += pitch) {
        __m512i* at = reinterpret_cast<__m512i*>(first);
        __m512i* const end = reinterpret_cast<__m512i*>(first + count);
        const __m512i* from = reinterpret_cast<const __m512i*>(sprite);
        for (; at < end; ++at, ++from)
            _mm512_storeu_si512(at, _mm512_max_epu8(_mm512_subs_epu8(_mm512_loadu_si512(at), steps),
                                                    _mm512_loadu_si512(from)));
    }
}

const LaserRowKernels kSse2 = {4, fadeSse2, stampSse2};
const LaserRowKernels kAvx2 = {8, fadeAvx2, stampAvx2};
const LaserRowKernels kAvx512 = {16, fadeAvx512, stampAvx512};
#endif

} // namespace

const LaserRowKernels* laserRowKernelsOf(int blockPixels)
{
    if (blockPixels == 1)
        return &kOneByOne;
#if defined(ORBIQA_WIDE_KERNELS)
    // Each also asks whether the system saves the wider registers.
    __builtin_cpu_init();
    switch (blockPixels) {
    case 4: return __builtin_cpu_supports("sse2") ? &kSse2 : nullptr;
    case 8: return __builtin_cpu_supports("avx2") ? &kAvx2 : nullptr;
    case 16: return __builtin_cpu_supports("avx512bw") ? &kAvx512 : nullptr;
    }
#endif
    return nullptr;
}

const LaserRowKernels& laserRowKernels()
{
    static const LaserRowKernels& widest = [] {
        for (int blockPixels : {16, 8, 4})
            if (const LaserRowKernels* kernels = laserRowKernelsOf(blockPixels))
                return *kernels;
        return kOneByOne;
    }();
    return widest;
}
