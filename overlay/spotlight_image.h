// The spotlight mask bitmap chosen by shape, size and blur, loaded from beside the exe.
#pragma once
#include "overlay/surface.h"

#include <windows.h>

struct SpotlightImage {
    HBITMAP bitmap;
    int16_t width;
    int16_t height;
    int16_t stride;
    const uint8_t* bits;
};

extern SpotlightImage spotlightImage;
// Counts every change of the mask (a load, a rescale), so prepared copies know when to
// prepare again.
extern unsigned spotlightChanges;

void loadSpotlightImage();
// The mask as stamped: scaled for the dimmed monitor's DPI.
MaskImage spotlightMask();
// Rescales the mask when the DPI differs from the one it was scaled for.
void scaleSpotlightFor(int dpi);
