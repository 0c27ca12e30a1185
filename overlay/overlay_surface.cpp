#include "overlay/overlay_surface.h"

#include "overlay/spotlight_image.h"
#include "settings/option_table.h"

RECT screenRect;
HWND overlayWindow;
HWND outlineWindow;
HDC overlayDC;
HDC surfaceDC;
BLENDFUNCTION blendFunction;
HBITMAP overlaySurface;
uint32_t* overlayPixels;
StampPos lastStampPos;

// The preview's lowest row, counted from the bottom of the screen.
static constexpr int kPreviewBottomRow = 30;

SurfacePixels overlayView()
{
    return {overlayPixels, screenWidth(), screenHeight()};
}

bool createOverlaySurface()
{
    // A header followed by one colour entry, as the section expects for BI_RGB.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[1];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = screenWidth();
    info.header.biHeight = screenHeight(); // positive: rows bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = 32;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = DWORD(screenWidth()) * DWORD(screenHeight()) * 4;

    void* bits = nullptr;
    overlaySurface =
        CreateDIBSection(surfaceDC, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    // Without a surface every drawing call below finds nothing to draw on and returns.
    overlayPixels = overlaySurface ? static_cast<uint32_t*>(bits) : nullptr;
    SelectObject(surfaceDC, overlaySurface);
    return overlayPixels != nullptr;
}

void fillOverlay()
{
    fillSurface(overlayView(), dimPixel(optionValues[opacity]));
}

void drawOverlay(HWND window, int x, int y, int highlight, int width, int height)
{
    drawStamp(overlayView(), spotlightMask(), lastStampPos, x, y, highlight, width, height,
              optionValues[opacity]);

    POINT origin = {0, 0};
    SIZE screenSize = {screenWidth(), screenHeight()};
    UpdateLayeredWindow(window, nullptr, &origin, &screenSize, surfaceDC, &origin, 0, &blendFunction,
                        ULW_ALPHA);
}

void drawPreview()
{
    drawOverlay(overlayWindow, screenWidth() / 2 - spotlightImage.width / 2, kPreviewBottomRow, 0, 0, 0);
}
