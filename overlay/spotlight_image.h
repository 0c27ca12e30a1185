// The spotlight mask bitmap chosen by shape, size and blur, loaded from beside the exe.
#pragma once
#include "overlay/monitors.h"

#include <windows.h>

struct SpotlightImage {
    HBITMAP bitmap;
    int16_t width;
    int16_t height;
    int16_t stride;
    const uint8_t* bits;
};

extern SpotlightImage spotlightImage;
// The loaded image's mask, scaled for the dimmed monitor.
extern ScaledMask spotlightScaling;

void loadSpotlightImage();
// The mask as stamped: scaled for the dimmed monitor's DPI.
inline MaskImage spotlightMask()
{
    return spotlightScaling.stamped;
}
