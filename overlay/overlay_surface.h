// The two layered windows, the screen they cover, and the screen-sized surface behind
// the overlay window with its presentation.
#pragma once
#include "overlay/surface.h"

#include <windows.h>

extern RECT screenRect; // right = screen width, bottom = screen height
extern HWND overlayWindow;
extern HWND outlineWindow;
extern HDC overlayDC;
extern HDC surfaceDC;
extern BLENDFUNCTION blendFunction;

inline int screenWidth()
{
    return screenRect.right;
}
inline int screenHeight()
{
    return screenRect.bottom;
}

extern HBITMAP overlaySurface;
extern uint32_t* overlayPixels;
extern StampPos lastStampPos;

SurfacePixels overlayView();
// False when the system could not provide the surface.
bool createOverlaySurface();
void fillOverlay();
void drawOverlay(HWND window, int x, int y, int highlight, int width, int height);
void drawPreview();
