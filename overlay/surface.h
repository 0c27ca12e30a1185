// Pixel work on the overlay surface: a bottom-up 32-bit image of premultiplied pixels, as a
// layered window takes them; with the default black dim its colour bytes stay 0, so only the
// alpha byte varies. Window-free; the Win32 side hands in plain memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct SurfacePixels {
    uint32_t* pixels; // row 0 is the bottom line of the screen
    int width;
    int height;
    int stride = 0; // pixels from one row to the next; 0: width, a whole surface
};

// A part of a wider surface (one monitor's) has rows further apart than its width.
inline size_t rowStride(SurfacePixels surface)
{
    return size_t(surface.stride > 0 ? surface.stride : surface.width);
}

struct MaskImage {
    const uint8_t* bits; // 24-bit rows, bottom row first; the blue byte is the mask
    int width;
    int height;
    int stride;
};

// Where the last stamp went, and whether it is still on the surface: any corner is a real
// place, (0, 0) included. A fill or a new surface takes the stamp away.
struct StampPos {
    int x;
    int y;
    bool placed;
};

// A colour (0xRRGGBB) at an alpha, premultiplied: each colour byte is channel * alpha / 255,
// rounded, so it never exceeds the alpha and a pixel of alpha 0 is clear whatever the colour.
inline uint32_t tintedPixel(int alpha, uint32_t colour)
{
    auto scaled = [alpha](uint32_t channel) { return (channel * uint32_t(alpha) + 127) / 255; };
    return uint32_t(alpha) << 24 | scaled(colour >> 16 & 0xFF) << 16 | scaled(colour >> 8 & 0xFF) << 8 |
           scaled(colour & 0xFF);
}

// Only the low 8 bits of the opacity reach the alpha byte, as a hand-edited opacity
// outside 0..255 always did.
inline uint32_t dimPixel(int opacity, uint32_t colour = 0)
{
    return tintedPixel(opacity & 0xFF, colour);
}

void fillSurface(SurfacePixels surface, uint32_t value);

// Sets the pixels of a rectangle (lower-left corner x, y) to value, clipped to the
// surface; a width or height of 0 or less writes nothing.
void fillRect(SurfacePixels surface, int x, int y, int width, int height, uint32_t value);

// The mask turned into surface pixels for one opacity, with each row's runs of non-zero
// mask values, so that a move only copies runs. Prepared when the image or the opacity
// changes, never per move. An unusable mask, or one whose rows cannot be allocated, keeps
// its size (the restore still covers it) but has no rows to stamp.
struct PreparedStamp {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels; // width per row, bottom row first
    std::vector<int> runs;        // [begin, end) column pairs, row after row
    std::vector<size_t> rowRuns;  // row i's pairs are runs[2 * rowRuns[i]] up to runs[2 * rowRuns[i + 1]]
};

// A mask value v > 0 gives alpha min(255 - v, opacity) in the dim colour; v = 0 leaves the
// pixel alone. So the hole's centre is clear and its soft edge blends from the colour.
PreparedStamp prepareStamp(const MaskImage& mask, int opacity, uint32_t colour = 0);

// Lightens the surface through the mask, clipped to the surface.
void stampMask(SurfacePixels surface, const MaskImage& mask, int x, int y, int opacity);

// One draw: puts the previous stamp's rectangle (with the current stamp's size) back to
// the dim value, then stamps or, when highlight is exactly 1, clears the width x height
// rectangle, and remembers (x, y) as placed. Nothing is restored while no stamp is placed.
// Pixels the new stamp covers are written once.
void drawStamp(SurfacePixels surface, const PreparedStamp& stamp, StampPos& lastStamp, int x, int y,
               int highlight, int width, int height, int opacity, uint32_t colour = 0);
