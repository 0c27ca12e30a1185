#include "overlay/monitors.h"

#include <algorithm>
#include <cstdint>
#include <new>

// How far a point lies outside a range, 0 inside it.
static int64_t outside(int value, int begin, int end)
{
    if (value < begin)
        return int64_t(begin) - value;
    if (value >= end)
        return int64_t(value) - end + 1;
    return 0;
}

static bool sameRect(const MonitorRect& a, const MonitorRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Monitor by monitor, so that monitors trading places inside the same virtual screen count.
LayoutChange compareLayouts(const MonitorLayout& was, const MonitorLayout& now)
{
    if (!sameRect(was.virtualScreen, now.virtualScreen) || was.count != now.count ||
        was.primary != now.primary)
        return LayoutChange::geometry;
    LayoutChange change = LayoutChange::none;
    for (int i = 0; i < std::min(now.count, kMaxMonitors); ++i) {
        if (!sameRect(was.monitors[i], now.monitors[i]))
            return LayoutChange::geometry;
        if (was.dpi[i] != now.dpi[i])
            change = LayoutChange::scale;
    }
    return change;
}

int monitorAt(const MonitorLayout& layout, int x, int y)
{
    int best = -1;
    int64_t bestDistance = 0;
    for (int i = 0; i < std::min(layout.count, kMaxMonitors); ++i) {
        const MonitorRect& m = layout.monitors[i];
        int64_t dx = outside(x, m.left, m.right), dy = outside(y, m.top, m.bottom);
        int64_t distance = dx * dx + dy * dy;
        if (best < 0 || distance < bestDistance)
            best = i, bestDistance = distance;
    }
    return best;
}

MonitorArea monitorArea(SurfacePixels surface, const MonitorRect& virtualScreen, const MonitorRect& monitor)
{
    // Clipped to the surface, so a layout that disagrees with it cannot reach outside.
    int64_t left = std::max<int64_t>(0, int64_t(monitor.left) - virtualScreen.left);
    int64_t right = std::min<int64_t>(surface.width, int64_t(monitor.right) - virtualScreen.left);
    int64_t top = std::max<int64_t>(0, int64_t(monitor.top) - virtualScreen.top);
    int64_t bottom = std::min<int64_t>(surface.height, int64_t(monitor.bottom) - virtualScreen.top);
    if (!surface.pixels || right <= left || bottom <= top)
        return {{nullptr, 0, 0, 0}, 0, 0};
    int row = int(surface.height - bottom);
    uint32_t* corner = surface.pixels + size_t(row) * rowStride(surface) + size_t(left);
    return {{corner, int(right - left), int(bottom - top), int(rowStride(surface))}, int(left), row};
}

// Nothing a monitor could show is larger; a user's huge bitmap stops here.
constexpr int64_t kMaxMaskMonitorAreas = 4;

MaskImage maskForDpi(const MaskImage& mask, int dpi, int64_t monitorPixels, std::vector<uint8_t>& storage)
{
    if (!mask.bits || mask.width <= 0 || mask.height <= 0 || int64_t(mask.stride) < 3 * int64_t(mask.width))
        return mask;
    int scale = std::max(dpi, kBaseDpi);
    int64_t width = (int64_t(mask.width) * scale + kBaseDpi / 2) / kBaseDpi;
    int64_t height = (int64_t(mask.height) * scale + kBaseDpi / 2) / kBaseDpi;
    if (width * height > kMaxMaskMonitorAreas * monitorPixels)
        return {nullptr, 0, 0, 0};
    if (dpi <= kBaseDpi || width > INT16_MAX || height > INT16_MAX)
        return mask;
    int stride = int(3 * width);
    try {
        storage.assign(size_t(stride) * size_t(height), 0);
    } catch (const std::bad_alloc&) {
        return {nullptr, 0, 0, 0};
    }
    auto value = [&](int i, int j) {
        return int(mask.bits[size_t(i) * size_t(mask.stride) + 3 * size_t(j)]);
    };
    // Each scaled pixel samples the original at its centre, between the four nearest pixels.
    for (int i = 0; i < height; ++i) {
        double y = std::clamp((i + 0.5) * kBaseDpi / dpi - 0.5, 0.0, double(mask.height - 1));
        int y0 = int(y), y1 = std::min(y0 + 1, mask.height - 1);
        double fy = y - y0;
        for (int j = 0; j < width; ++j) {
            double x = std::clamp((j + 0.5) * kBaseDpi / dpi - 0.5, 0.0, double(mask.width - 1));
            int x0 = int(x), x1 = std::min(x0 + 1, mask.width - 1);
            double fx = x - x0;
            double top = value(y1, x0) * (1 - fx) + value(y1, x1) * fx;
            double bottom = value(y0, x0) * (1 - fx) + value(y0, x1) * fx;
            storage[size_t(i) * size_t(stride) + 3 * size_t(j)] = uint8_t(bottom * (1 - fy) + top * fy + 0.5);
        }
    }
    return {storage.data(), int(width), int(height), stride};
}

void scaleMaskFor(ScaledMask& mask, const MonitorLayout& layout, int monitor)
{
    if (monitor < 0 || monitor >= std::min(layout.count, kMaxMonitors))
        return;
    const MonitorRect& m = layout.monitors[monitor];
    int64_t pixels = (int64_t(m.right) - m.left) * (int64_t(m.bottom) - m.top);
    if (mask.dpi == layout.dpi[monitor] && mask.monitorPixels == pixels)
        return;
    mask.dpi = layout.dpi[monitor];
    mask.monitorPixels = pixels;
    replaceMaskFile(mask, mask.file);
}

void replaceMaskFile(ScaledMask& mask, const MaskImage& file)
{
    mask.file = file;
    mask.stamped = maskForDpi(file, mask.dpi, mask.monitorPixels, mask.storage);
    ++mask.changes;
}

// Centred with the mask of the monitor it will be stamped on: centring first would place a
// rescaled mask by its old size.
SpotlightPlace placeSpotlight(const MonitorLayout& layout, ScaledMask& mask, int x, int y)
{
    int monitor = monitorAt(layout, x + layout.virtualScreen.left, y + layout.virtualScreen.top);
    scaleMaskFor(mask, layout, monitor);
    int surfaceHeight = layout.virtualScreen.bottom - layout.virtualScreen.top;
    return {monitor, x - mask.stamped.width / 2, surfaceHeight - mask.stamped.height / 2 - y};
}
