#include "overlay/surface.h"

#include <algorithm>

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

void fillSurface(SurfacePixels surface, uint32_t value)
{
    if (!usable(surface))
        return;
    if (rowStride(surface) == size_t(surface.width)) {
        std::fill_n(surface.pixels, size_t(surface.width) * size_t(surface.height), value);
        return;
    }
    for (int row = 0; row < surface.height; ++row)
        std::fill_n(surface.pixels + size_t(row) * rowStride(surface), surface.width, value);
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

void stampMask(SurfacePixels surface, const MaskImage& mask, int x, int y, int opacity)
{
    // A mask whose rows are shorter than its width says cannot be read safely.
    if (!usable(surface) || !mask.bits || mask.width <= 0 || mask.height <= 0 ||
        int64_t(mask.stride) < 3 * int64_t(mask.width))
        return;

    // The alpha for every mask value, worked out once per stamp rather than per pixel.
    uint32_t alphaFor[256];
    alphaFor[0] = 0;
    for (int v = 1; v < 256; ++v)
        alphaFor[v] = dimPixel(std::min(255 - v, opacity));

    Span rows = clipSpan(y, mask.height, surface.height);
    Span columns = clipSpan(x, mask.width, surface.width);
    for (int i = rows.begin; i < rows.end; ++i) {
        const uint8_t* maskRow = mask.bits + size_t(i) * size_t(mask.stride);
        uint32_t* row = surface.pixels + size_t(y + i) * rowStride(surface);
        for (int j = columns.begin; j < columns.end; ++j) {
            uint8_t v = maskRow[3 * j];
            if (v != 0)
                row[x + j] = alphaFor[v];
        }
    }
}

void drawStamp(SurfacePixels surface, const MaskImage& mask, StampPos& lastStamp, int x, int y, int highlight,
               int width, int height, int opacity)
{
    // Restore with the current image's size, not the size stamped last time: a highlight
    // larger than the image leaves its remainder lit until the next fill.
    if (lastStamp.x != 0 || lastStamp.y != 0)
        fillRect(surface, lastStamp.x, lastStamp.y, mask.width, mask.height, dimPixel(opacity));
    if (highlight == 1)
        fillRect(surface, x, y, width, height, 0);
    else
        stampMask(surface, mask, x, y, opacity);
    lastStamp = {x, y};
}
