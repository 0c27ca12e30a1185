#include "overlay/surface.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

bool usable(SurfacePixels surface)
{
    return surface.pixels && surface.width > 0 && surface.height > 0 &&
           rowStride(surface) >= size_t(surface.width);
}

// The half-open range [begin, end) of offsets 0..count-1 that land inside 0..limit-1
// when placed at origin. 64-bit so that far-off positions cannot overflow.
struct Span {
    int begin;
    int end;
};
Span clipSpan(int origin, int count, int limit)
{
    int64_t begin = std::max<int64_t>(0, -int64_t(origin));
    int64_t end = std::min<int64_t>(count, int64_t(limit) - origin);
    if (end < begin)
        end = begin;
    return {int(begin), int(end)};
}

} // namespace

// `rep stos` runs at memset's speed, where a loop of 16-byte stores reaches about two
// thirds of it; it needs nothing beyond the 386, so the 32-bit build keeps it too.
static void fillPixels(uint32_t* pixels, size_t count, uint32_t value)
{
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
    __asm__ volatile("rep stosl" : "+D"(pixels), "+c"(count) : "a"(value) : "memory");
#else
    std::fill_n(pixels, count, value);
#endif
}

void fillSurface(SurfacePixels surface, uint32_t value)
{
    if (!usable(surface))
        return;
    if (rowStride(surface) == size_t(surface.width)) {
        fillPixels(surface.pixels, size_t(surface.width) * size_t(surface.height), value);
        return;
    }
    for (int row = 0; row < surface.height; ++row)
        fillPixels(surface.pixels + size_t(row) * rowStride(surface), size_t(surface.width), value);
}

void fillRect(SurfacePixels surface, int x, int y, int width, int height, uint32_t value)
{
    if (!usable(surface) || width <= 0 || height <= 0)
        return;
    Span rows = clipSpan(y, height, surface.height);
    Span columns = clipSpan(x, width, surface.width);
    if (columns.begin == columns.end)
        return;
    for (int i = rows.begin; i < rows.end; ++i) {
        uint32_t* row = surface.pixels + size_t(y + i) * rowStride(surface);
        std::fill(row + (x + columns.begin), row + (x + columns.end), value);
    }
}

PreparedStamp prepareStamp(const MaskImage& mask, int opacity, uint32_t colour)
{
    PreparedStamp stamp;
    stamp.width = mask.width;
    stamp.height = mask.height;
    // A mask whose rows are shorter than its width says cannot be read safely.
    if (!mask.bits || mask.width <= 0 || mask.height <= 0 || int64_t(mask.stride) < 3 * int64_t(mask.width))
        return stamp;

    uint32_t alphaFor[256];
    alphaFor[0] = 0;
    for (int v = 1; v < 256; ++v)
        alphaFor[v] = dimPixel(std::min(255 - v, opacity), colour);

    // A large image in the 32-bit build may not find the memory: it stamps nothing then.
    try {
        stamp.pixels.resize(size_t(mask.width) * size_t(mask.height));
        stamp.rowRuns.reserve(size_t(mask.height) + 1);
        for (int i = 0; i < mask.height; ++i) {
            stamp.rowRuns.push_back(stamp.runs.size() / 2);
            const uint8_t* maskRow = mask.bits + size_t(i) * size_t(mask.stride);
            bool inRun = false;
            for (int j = 0; j < mask.width; ++j) {
                uint8_t v = maskRow[3 * j];
                stamp.pixels[size_t(i) * size_t(mask.width) + size_t(j)] = alphaFor[v];
                if ((v != 0) != inRun)
                    stamp.runs.push_back(j);
                inRun = v != 0;
            }
            if (inRun)
                stamp.runs.push_back(mask.width);
        }
        stamp.rowRuns.push_back(stamp.runs.size() / 2);
    } catch (const std::bad_alloc&) {
        return {mask.width, mask.height, {}, {}, {}};
    }
    return stamp;
}

namespace {

// Surface rows [begin, end) and columns [left, right) of a rectangle, clipped; empty when
// nothing of it lands on the surface.
struct Area {
    int begin = 0, end = 0, left = 0, right = 0;
    bool holds(int row) const { return row >= begin && row < end; }
};
Area clippedArea(SurfacePixels surface, int x, int y, int width, int height)
{
    Span rows = clipSpan(y, height, surface.height), columns = clipSpan(x, width, surface.width);
    if (rows.begin == rows.end || columns.begin == columns.end)
        return {};
    return {y + rows.begin, y + rows.end, x + columns.begin, x + columns.end};
}

// Row by row: the restored span minus the new stamp's runs gets the dim value, the runs
// are copied; so no pixel is written twice and the result is that of restoring first.
void restoreAndStamp(SurfacePixels surface, const PreparedStamp& stamp, Area restored, int x, int y,
                     uint32_t dim)
{
    bool stampable = stamp.rowRuns.size() == size_t(stamp.height) + 1 && stamp.height > 0;
    Area stamped = stampable ? clippedArea(surface, x, y, stamp.width, stamp.height) : Area{};
    int first = std::min(restored.begin < restored.end ? restored.begin : stamped.begin,
                         stamped.begin < stamped.end ? stamped.begin : restored.begin);
    int last = std::max(restored.end, stamped.end);
    for (int row = first; row < last; ++row) {
        uint32_t* line = surface.pixels + size_t(row) * rowStride(surface);
        int restoreFrom = restored.left, restoreTo = restored.holds(row) ? restored.right : restored.left;
        if (stamped.holds(row)) {
            int i = row - y;
            const uint32_t* source = stamp.pixels.data() + size_t(i) * size_t(stamp.width);
            for (size_t r = stamp.rowRuns[size_t(i)]; r < stamp.rowRuns[size_t(i) + 1]; ++r) {
                int begin = std::max(x + stamp.runs[2 * r], stamped.left);
                int end = std::min(x + stamp.runs[2 * r + 1], stamped.right);
                if (begin >= end)
                    continue;
                if (restoreFrom < std::min(begin, restoreTo))
                    std::fill(line + restoreFrom, line + std::min(begin, restoreTo), dim);
                restoreFrom = std::max(restoreFrom, end);
                memcpy(line + begin, source + (begin - x), size_t(end - begin) * sizeof(uint32_t));
            }
        }
        if (restoreFrom < restoreTo)
            std::fill(line + restoreFrom, line + restoreTo, dim);
    }
}

} // namespace

void stampMask(SurfacePixels surface, const MaskImage& mask, int x, int y, int opacity)
{
    if (usable(surface))
        restoreAndStamp(surface, prepareStamp(mask, opacity), {}, x, y, 0);
}

void drawStamp(SurfacePixels surface, const PreparedStamp& stamp, StampPos& lastStamp, int x, int y,
               int highlight, int width, int height, int opacity, uint32_t colour)
{
    // Restore with the current image's size, not the size stamped last time: a highlight
    // larger than the image leaves its remainder lit until the next fill.
    Area restored;
    if (lastStamp.placed && usable(surface))
        restored = clippedArea(surface, lastStamp.x, lastStamp.y, stamp.width, stamp.height);
    if (highlight == 1) {
        fillRect(surface, restored.left, restored.begin, restored.right - restored.left,
                 restored.end - restored.begin, dimPixel(opacity, colour));
        fillRect(surface, x, y, width, height, 0);
    } else if (usable(surface)) {
        restoreAndStamp(surface, stamp, restored, x, y, dimPixel(opacity, colour));
    }
    lastStamp = {x, y, true};
}
