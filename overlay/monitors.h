// The monitors the overlay spans, which one holds a point, where a monitor lies on the
// surface, and the spotlight mask enlarged for a monitor of more than 96 DPI.
// Window-free; the Win32 side asks the system and hands the values in.
#pragma once
#include "overlay/surface.h"

#include <vector>

constexpr int kMaxMonitors = 16;
constexpr int kBaseDpi = 96;

// Screen coordinates, right and bottom exclusive; the virtual screen's origin can be
// negative.
struct MonitorRect {
    int left, top, right, bottom;
};

struct MonitorLayout {
    MonitorRect virtualScreen; // the union of all monitors: the surface's extent
    MonitorRect monitors[kMaxMonitors];
    int dpi[kMaxMonitors];
    int count;
    int primary;
};

// The monitor that holds the screen point, else the nearest one; -1 without monitors.
int monitorAt(const MonitorLayout& layout, int x, int y);

// One monitor's part of the surface, clipped to it: a view that shares the surface's rows,
// and its lower-left corner as a surface column and row.
struct MonitorArea {
    SurfacePixels view;
    int column, row;
};
MonitorArea monitorArea(SurfacePixels surface, const MonitorRect& virtualScreen, const MonitorRect& monitor);

// The mask scaled by dpi / 96 (bilinear); at 96 DPI or less, or when the result would not
// fit in 16 bits, the original. Scaled pixels go into storage, which is resized only here.
MaskImage maskForDpi(const MaskImage& mask, int dpi, std::vector<uint8_t>& storage);
