// The overlay window: its highlight, what it presents, and the spotlight bitmap it stamps.
#include "win_test_support.h"

#include "app/app.h"
#include "input/spotlight_timer.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <cstdlib>

// A press anywhere on the overlay, the caption band at the top included, reaches the
// window procedure without activating the overlay, and ends the highlight; a display
// change ends a sweep.
TEST(Highlight, PressEndsItWithoutActivationAndADisplayChangeEndsTheSweep)
{
    ensureShellWindows();
    setDefaultValues();
    fillOverlay();
    for (int corner : {100, 150})
        tickWithHighlightKeys(true, corner, corner);
    tickWithHighlightKeys(false, 150, 150);
    ASSERT_TRUE(highlightOnScreen() && IsWindowVisible(overlayWindow) &&
                overlayPixels[(screenHeight() - 121) * screenWidth() + 120] == 0);
    EXPECT_TRUE(SendMessageA(overlayWindow, WM_NCHITTEST, 0, MAKELPARAM(20, 2)) == HTCLIENT &&
                SendMessageA(overlayWindow, WM_MOUSEACTIVATE, WPARAM(overlayWindow),
                             MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)) == MA_NOACTIVATE);
    SendMessageA(overlayWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 2));
    EXPECT_TRUE(!highlightOnScreen() && !IsWindowVisible(overlayWindow));
    EXPECT_EQ(overlayPixels[(screenHeight() - 121) * screenWidth() + 120] >> 24, 175u) << "dimmed again";

    // A display change ends a sweep in progress: its corners belong to the old virtual screen.
    for (int corner : {300, 320})
        tickWithHighlightKeys(true, corner, corner);
    ASSERT_TRUE(IsWindowVisible(outlineWindow));
    SendMessageA(overlayWindow, WM_DISPLAYCHANGE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(outlineWindow));
    tickWithHighlightKeys(false, 400, 400);
    EXPECT_FALSE(highlightOnScreen()) << "lit from the old layout's corners";

    // Without a surface of the new size the old layout stays with the old surface; the next
    // change takes both. The old layout is made to differ by a narrower virtual screen.
    const RECT real = screenRect;
    const uint32_t* pixels = overlayPixels;
    screenRect.right = monitorLayout.virtualScreen.right -= 100;
    sectionFunction = [](HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD) { return HBITMAP(nullptr); };
    SendMessageA(overlayWindow, WM_DISPLAYCHANGE, 0, 0);
    EXPECT_TRUE(screenRect.right == real.right - 100 && overlayPixels == pixels);
    sectionFunction = CreateDIBSection;
    SendMessageA(overlayWindow, WM_DISPLAYCHANGE, 0, 0);
    EXPECT_TRUE(EqualRect(&screenRect, &real) && overlayPixels);
}

// After a fill the whole surface changed; after a move, the union of the old and the new
// stamp, counted from the overlay's top-left corner. The mask follows a scale change.
TEST(Present, AMoveHandsOverTheUnionOfBothPlacesAndTheMaskFollowsTheScale)
{
    ensureShellWindows();
    setDefaultValues();
    joinBounded(programDir, kPathBufferSize, {kDistDir});
    loadSpotlightImage();
    static RECT presented;
    presentFunction = [](HWND, const UPDATELAYEREDWINDOWINFO* info) {
        presented = *info->prcDirty;
        return TRUE;
    };
    fillOverlay();
    stampSpotlight(100, 200);
    const RECT whole = {0, 0, screenWidth(), screenHeight()},
               moved = {100, screenHeight() - 200 - spotlightMask().height, 130 + spotlightMask().width,
                        screenHeight() - 190};
    EXPECT_TRUE(EqualRect(&presented, &whole));
    stampSpotlight(130, 190);
    EXPECT_TRUE(spotlightMask().width > 0 && EqualRect(&presented, &moved));
    presentFunction = UpdateLayeredWindowIndirect;

    // A new scale alone, with no display change, reaches the mask of the dimmed monitor.
    const int dpi = monitorLayout.dpi[activeMonitor], width = spotlightMask().width;
    monitorLayout.dpi[activeMonitor] = 2 * dpi; // as read before the change
    scaleMaskFor(spotlightScaling, monitorLayout, activeMonitor);
    const int scaled = spotlightMask().width;
    SendMessageA(overlayWindow, WM_DPICHANGED, 0, 0);
    EXPECT_TRUE(scaled != width && monitorLayout.dpi[activeMonitor] == dpi && spotlightMask().width == width);
}

// An uncompressed bitmap file whose pixels are all 0xFF; a negative height stores the
// rows top-down.
static std::string bitmapFile(int width, int height, int bitsPerPixel)
{
    const DWORD pixelBytes = DWORD((width * bitsPerPixel + 31) / 32 * 4 * abs(height));
    const BITMAPINFOHEADER info = {sizeof info, width, height, 1, WORD(bitsPerPixel), BI_RGB, pixelBytes,
                                   0,           0,     0,      0};
    const DWORD palette = bitsPerPixel <= 8 ? 4u << bitsPerPixel : 0;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info + palette;
    const BITMAPFILEHEADER head = {0x4D42, offset + pixelBytes, 0, 0, offset};
    return std::string(reinterpret_cast<const char*>(&head), sizeof head) +
           std::string(reinterpret_cast<const char*>(&info), sizeof info) +
           std::string(palette + pixelBytes, '\xFF');
}

// A good file loads from a program folder named in any language. A file the stamp would
// misread loads as nothing, and the picture before it is deleted: nothing is stamped, and
// nothing is read from a deleted bitmap.
TEST(SpotlightImage, FilesTheStampWouldMisreadLoadAsNothing)
{
    joinBounded(programDir, kPathBufferSize, {kForeignFolder});
    const std::wstring file = std::wstring(programDir) + L"\\spotlightCircleLarge.bmp";
    setDefaultValues();
    for (const std::string& bytes : {bitmapFile(33, 21, 8), bitmapFile(33, 21, 32), bitmapFile(33, -21, 24),
                                     std::string(200, 'x'), std::string()}) {
        writeFile(file.c_str(), bitmapFile(33, 21, 24));
        loadSpotlightImage();
        const HBITMAP good = spotlightImage.bitmap;
        EXPECT_TRUE(spotlightImage.bits && spotlightImage.height == 21 && spotlightImage.stride == 100);

        bytes.empty() ? void(DeleteFileW(file.c_str())) : writeFile(file.c_str(), bytes); // no bytes: no file
        loadSpotlightImage();
        EXPECT_TRUE(!spotlightImage.bitmap && !spotlightImage.bits && spotlightImage.width == 0 &&
                    spotlightImage.height == 0 && spotlightImage.stride == 0)
            << bytes.size();
        EXPECT_EQ(GetObjectType(good), 0u) << bytes.size();
    }
    DeleteFileW(file.c_str());
    joinBounded(programDir, kPathBufferSize, {kDistDir});
    loadSpotlightImage();
}
