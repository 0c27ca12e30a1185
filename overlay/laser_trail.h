// The laser pointer's pixels: a round dot with a soft glow in the pointer's colour, and the
// trail it leaves along its path, fading out within kLaserFadeMs. Drawn on a surface that is
// clear (alpha 0) everywhere else, so every other pixel of the screen stays as it is.
// Window-free; the Win32 side hands in the surface and the tick's time.
#pragma once
#include "overlay/surface.h"

#include <cstdint>
#include <vector>

constexpr uint32_t kLaserFadeMs = 400;
// The dot's diameter at 96 DPI; it scales with the monitor's DPI. The glow lies beyond it.
constexpr int kLaserDotPixels = 16;

struct LaserRowKernels;

// Surface columns and rows (bottom-up) of a rectangle's lower-left corner; empty when its
// width or height is 0.
struct LaserRect {
    int x, y, width, height;
};

// The drawn dot and trail, remembered from one tick to the next. Owned by the Win32 side;
// changed only through the functions below.
struct LaserTrail {
    const LaserRowKernels* kernels = nullptr; // the processor's widest, unless a test picks others
    int dpi = 0;
    uint32_t colour = 0;
    int spriteSize = 0;           // odd: the centre pixel is the cursor's
    int spritePitch = 0;          // pixels from one sprite row to the next
    std::vector<uint32_t> sprite; // the dot and its glow at full strength, premultiplied
    std::vector<int> spriteRuns;  // per sprite row, the [begin, end) columns that are not clear
    int spacing = 1;              // pixels between the trail's stamps
    struct Drawn {
        LaserRect rect; // clipped to the surface
        uint64_t since; // the fade's total when its first and its last stamp went down
        uint64_t at;
    };
    std::vector<Drawn> drawn; // what may still show: stamped less than kLaserFadeMs ago
    bool dotPlaced = false;   // the last tick drew the dot; the trail runs on from it
    int lastX = 0, lastY = 0;
    uint32_t lastTick = 0;
    // The fade runs on its own clock, summed from tick to tick so that the tick count's wrap
    // does not matter: fadedSince is the alpha taken off by then, floor(255 * elapsed / 400).
    uint64_t elapsed = 0;
    uint64_t fadedSince = 0;
    uint32_t fadeColour = 0; // each channel's largest value among the pixels still fading
};

// Makes the dot for a DPI and a colour (0xRRGGBB) when either differs from the last call.
void setLaserLook(LaserTrail& trail, int dpi, uint32_t colour);
// The surface was cleared or refilled behind the trail's back: nothing it drew remains.
void clearLaser(LaserTrail& trail);
// One tick at now: fades what was drawn by the time since the last tick, then, when dotShown,
// draws the dot centred on column x, row y and the trail from the previous dot to it. Gives
// back the rectangle whose pixels changed, clipped to the surface: only that is presented.
LaserRect laserTick(SurfacePixels surface, LaserTrail& trail, bool dotShown, int x, int y, uint32_t now);
// Nothing the trail drew is left on the surface.
bool laserFaded(const LaserTrail& trail);
