// The monitors the overlay spans, which one holds a point, where a monitor lies on the
// surface, whether a new reading differs, and the spotlight mask enlarged for a monitor of
// more than 96 DPI and placed on it.
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

// What a new reading of the monitors changed: where they lie (a new surface), or only the
// scale of one (a new mask). Both readings come from the same enumeration.
enum class LayoutChange { none, scale, geometry };
LayoutChange compareLayouts(const MonitorLayout& was, const MonitorLayout& now);

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
// fit in 16 bits, the original. A result larger than four times the monitor's pixels, or
// one that finds no memory, gives an empty mask: nothing is stamped, as for a bitmap that
// cannot be read. Scaled pixels go into storage, which is resized only here.
MaskImage maskForDpi(const MaskImage& mask, int dpi, int64_t monitorPixels, std::vector<uint8_t>& storage);

// The loaded mask and the one stamped: scaled for the dimmed monitor once per image and
// monitor, never per move.
struct ScaledMask {
    MaskImage file = {};
    MaskImage stamped = {};
    int dpi = kBaseDpi;
    int64_t monitorPixels = 0;
    unsigned changes = 0; // counts every new stamped mask, so prepared copies know to prepare again
    std::vector<uint8_t> storage;
};
// Scales for the monitor unless the mask is scaled for its DPI and size already.
void scaleMaskFor(ScaledMask& mask, const MonitorLayout& layout, int monitor);
// A newly loaded mask, or none, scaled for the monitor the one before was scaled for.
void replaceMaskFile(ScaledMask& mask, const MaskImage& file);

// Where the spotlight goes for a cursor (relative to the virtual screen's corner): the
// monitor under it, with the mask scaled for that monitor first, and the stamp's lower-left
// surface corner centring the scaled mask on the cursor.
struct SpotlightPlace {
    int monitor;
    int x, y;
};
SpotlightPlace placeSpotlight(const MonitorLayout& layout, ScaledMask& mask, int x, int y);
