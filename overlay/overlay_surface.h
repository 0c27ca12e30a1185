// The screen-sized surface behind the overlay window, and presenting it.
#pragma once
#include "overlay/surface.h"

#include <windows.h>

extern HBITMAP overlaySurface;
extern uint32_t* overlayPixels;
extern StampPos lastStampPos;

SurfacePixels overlayView();
// False when the system could not provide the surface.
bool createOverlaySurface();
void fillOverlay();
void drawOverlay(HWND window, int x, int y, int highlight, int width, int height);
void drawPreview();
