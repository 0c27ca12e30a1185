#include "overlay/overlay_surface.h"

#include "overlay/laser_trail.h"
#include "overlay/spotlight_image.h"
#include "settings/option_table.h"
#include "settings/platform.h"

#include <algorithm>

RECT screenRect;
MonitorLayout monitorLayout;
int activeMonitor;
HWND overlayWindow;
HWND outlineWindow;
HDC overlayDC;
HDC surfaceDC;
BLENDFUNCTION blendFunction;
HBITMAP overlaySurface;
uint32_t* overlayPixels;
StampPos lastStampPos;
PresentFunction presentFunction = UpdateLayeredWindowIndirect;
SectionFunction sectionFunction = CreateDIBSection;

// Set by everything that changes more than a stamp's rectangles.
static bool wholeSurfaceChanged = true;
// While the pointer has the overlay, its surface is clear but for the dot and the trail.
static LaserTrail laser;
static bool pointerHasSurface;

// The preview's lowest row, counted from the bottom of the primary monitor.
static constexpr int kPreviewBottomRow = 30;

SurfacePixels overlayView()
{
    return {overlayPixels, screenWidth(), screenHeight()};
}

static MonitorRect monitorRect(const RECT& rect)
{
    return {int(rect.left), int(rect.top), int(rect.right), int(rect.bottom)};
}

// Windows 8.1 and later say it per monitor; elsewhere, and under Wine, the system-wide
// value holds for every monitor.
static int monitorDpi(HMONITOR monitor)
{
    static auto dpiForMonitor =
        systemFunction<HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*)>("shcore.dll", "GetDpiForMonitor");
    UINT dpiX = 0, dpiY = 0;
    constexpr int kEffectiveDpi = 0;
    if (dpiForMonitor && SUCCEEDED(dpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiX > 0)
        return int(dpiX);
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

static BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MonitorLayout& layout = *reinterpret_cast<MonitorLayout*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (layout.count >= kMaxMonitors || !GetMonitorInfoA(monitor, &info))
        return TRUE;
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        layout.primary = layout.count;
    layout.dpi[layout.count] = monitorDpi(monitor);
    layout.monitors[layout.count++] = monitorRect(info.rcMonitor);
    return TRUE;
}

static RECT virtualScreen()
{
    RECT rect;
    rect.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    rect.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    rect.right = rect.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    rect.bottom = rect.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // A system without the virtual-screen metrics still has its desktop window.
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        GetWindowRect(GetDesktopWindow(), &rect);
    return rect;
}

// Every reading goes the same way, so two readings of the same monitors compare equal.
static MonitorLayout readLayout()
{
    MonitorLayout layout = {};
    layout.virtualScreen = monitorRect(virtualScreen());
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&layout));
    if (layout.count == 0) {
        layout.monitors[0] = layout.virtualScreen;
        layout.dpi[0] = kBaseDpi;
        layout.count = 1;
    }
    return layout;
}

static void adoptLayout(const MonitorLayout& layout)
{
    monitorLayout = layout;
    const MonitorRect& screen = layout.virtualScreen;
    screenRect = {screen.left, screen.top, screen.right, screen.bottom};
}

LayoutChange displayLayoutChanged()
{
    return compareLayouts(monitorLayout, readLayout());
}

void readMonitors()
{
    adoptLayout(readLayout());
}

static MonitorArea dimmedArea()
{
    return monitorArea(overlayView(), monitorLayout.virtualScreen, monitorLayout.monitors[activeMonitor]);
}

// Nothing changes when the system cannot provide it: an earlier surface stays.
static bool replaceSurface(int width, int height)
{
    // A header followed by one colour entry, as the section expects for BI_RGB.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[1];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height; // positive: rows bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = 32;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = DWORD(width) * DWORD(height) * 4;

    void* bits = nullptr;
    HBITMAP surface =
        sectionFunction(surfaceDC, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!surface || !bits) {
        if (surface)
            DeleteObject(surface);
        return false;
    }
    SelectObject(surfaceDC, surface);
    if (overlaySurface)
        DeleteObject(overlaySurface);
    overlaySurface = surface;
    overlayPixels = static_cast<uint32_t*>(bits);
    lastStampPos = {};
    wholeSurfaceChanged = true;
    return true;
}

// Without a surface every drawing call below finds nothing to draw on and returns.
bool createOverlaySurface()
{
    return replaceSurface(screenWidth(), screenHeight());
}

// The mask follows the dimmed monitor's scale, so the spotlight keeps its apparent size.
static void switchMonitor(int index)
{
    if (index < 0 || index >= monitorLayout.count || index == activeMonitor)
        return;
    fillSurface(dimmedArea().view, 0);
    activeMonitor = index;
    scaleMaskFor(spotlightScaling, monitorLayout, index);
    fillSurface(dimmedArea().view, dimPixel(optionValues[opacity], dimColour()));
    lastStampPos = {};
    wholeSurfaceChanged = true;
}

void dimMonitorAt(int x, int y)
{
    switchMonitor(monitorAt(monitorLayout, x + screenRect.left, y + screenRect.top));
}

void dimPrimaryMonitor()
{
    switchMonitor(monitorLayout.primary);
}

bool followDisplayChange()
{
    // The layout goes with its surface: without a surface of the new size, the old layout
    // stays, still the different one at the next change or check, which tries again.
    MonitorLayout now = readLayout();
    const MonitorRect& screen = now.virtualScreen;
    if (!replaceSurface(screen.right - screen.left, screen.bottom - screen.top))
        return false;
    adoptLayout(now);
    // The monitor that was dimmed may be gone or another one now.
    POINT cursor = {};
    GetCursorPos(&cursor);
    int index = monitorAt(monitorLayout, int(cursor.x), int(cursor.y));
    activeMonitor = index < 0 ? 0 : index;
    scaleMaskFor(spotlightScaling, monitorLayout, activeMonitor);
    fillOverlay();
    SetWindowPos(overlayWindow, nullptr, screenRect.left, screenRect.top, screenWidth(), screenHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

LayoutChange followScaleChange()
{
    MonitorLayout now = readLayout();
    LayoutChange change = compareLayouts(monitorLayout, now);
    if (change == LayoutChange::scale) {
        adoptLayout(now);
        scaleMaskFor(spotlightScaling, monitorLayout, activeMonitor);
    }
    return change;
}

void fillOverlay()
{
    if (pointerHasSurface) { // a display change: a new surface, and the trail starts anew
        fillSurface(overlayView(), 0);
        clearLaser(laser);
        lastStampPos = {};
        wholeSurfaceChanged = true;
        return;
    }
    MonitorArea area = dimmedArea();
    if (area.view.width != screenWidth() || area.view.height != screenHeight())
        fillSurface(overlayView(), 0);
    fillSurface(area.view, dimPixel(optionValues[opacity], dimColour()));
    lastStampPos = {};
    wholeSurfaceChanged = true;
}

// Prepared again only when the image or the opacity changed, never per move.
static const PreparedStamp& preparedSpotlight()
{
    static PreparedStamp stamp;
    static unsigned preparedChanges = ~0u;
    static int preparedOpacity;
    static uint32_t preparedColour;
    if (preparedChanges != spotlightScaling.changes || preparedOpacity != optionValues[opacity] ||
        preparedColour != dimColour()) {
        stamp = {}; // the old copy's memory is free before the new one asks for its own
        stamp = prepareStamp(spotlightMask(), optionValues[opacity], dimColour());
        preparedChanges = spotlightScaling.changes;
        preparedOpacity = optionValues[opacity];
        preparedColour = dimColour();
    }
    return stamp;
}

// The union of the stamp's old and new places on the area's view, clipped to it, in window
// coordinates: from the overlay's top-left corner, rows downward.
static RECT movedRect(const MonitorArea& area, StampPos previous, StampPos now, int width, int height)
{
    int64_t left = now.x, bottom = now.y, right = int64_t(now.x) + width, top = int64_t(now.y) + height;
    if (previous.placed) {
        left = std::min<int64_t>(left, previous.x), bottom = std::min<int64_t>(bottom, previous.y);
        right = std::max(right, int64_t(previous.x) + width),
        top = std::max(top, int64_t(previous.y) + height);
    }
    left = std::max<int64_t>(left, 0), bottom = std::max<int64_t>(bottom, 0);
    right = std::min<int64_t>(right, area.view.width), top = std::min<int64_t>(top, area.view.height);
    if (left >= right || bottom >= top)
        return {0, 0, 0, 0};
    return {LONG(area.column + left), LONG(screenHeight() - (area.row + top)), LONG(area.column + right),
            LONG(screenHeight() - (area.row + bottom))};
}

// The whole overlay is handed over each time; changed names the part that differs from the
// last present, in window coordinates.
static void present(const RECT& changed)
{
    POINT origin = {screenRect.left, screenRect.top};
    POINT source = {0, 0};
    SIZE screenSize = {screenWidth(), screenHeight()};
    UPDATELAYEREDWINDOWINFO info = {sizeof info, nullptr, &origin,        &screenSize, surfaceDC,
                                    &source,     0,       &blendFunction, ULW_ALPHA,   &changed};
    presentFunction(overlayWindow, &info);
}

static RECT wholeOverlay()
{
    return {0, 0, screenWidth(), screenHeight()};
}

void stampSpotlight(int x, int y)
{
    MonitorArea area = dimmedArea();
    const PreparedStamp& stamp = preparedSpotlight();
    const StampPos previous = lastStampPos;
    drawStamp(area.view, stamp, lastStampPos, x - area.column, y - area.row, 0, 0, 0, optionValues[opacity],
              dimColour());
    RECT changed = wholeSurfaceChanged ? wholeOverlay()
                                       : movedRect(area, previous, lastStampPos, stamp.width, stamp.height);
    wholeSurfaceChanged = false;
    if (!IsRectEmpty(&changed)) // empty: the stamp lies wholly off the monitor, and nothing was restored
        present(changed);
}

void showLitRectangle(int x, int y, int width, int height)
{
    MonitorArea area = dimmedArea();
    drawStamp(area.view, preparedSpotlight(), lastStampPos, x - area.column, y - area.row, 1, width, height,
              optionValues[opacity], dimColour());
    wholeSurfaceChanged = false;
    present(wholeOverlay());
}

void drawSpotlightAt(int x, int y)
{
    SpotlightPlace place = placeSpotlight(monitorLayout, spotlightScaling, x, y);
    switchMonitor(place.monitor);
    stampSpotlight(place.x, place.y);
}

void drawPreview()
{
    dimPrimaryMonitor();
    wholeSurfaceChanged = true;
    MonitorArea area = dimmedArea();
    stampSpotlight(area.column + area.view.width / 2 - spotlightMask().width / 2,
                   area.row + kPreviewBottomRow);
}

// Clicks fall through a layered window's transparent pixels only; the dot and its fading
// trail must not catch one either.
static void passClicks(bool through)
{
    LONG_PTR style = GetWindowLongPtrA(overlayWindow, GWL_EXSTYLE);
    SetWindowLongPtrA(overlayWindow, GWL_EXSTYLE,
                      through ? style | WS_EX_TRANSPARENT : style & ~LONG_PTR(WS_EX_TRANSPARENT));
}

void startPointer()
{
    pointerHasSurface = true;
    fillOverlay();
    passClicks(true);
}

void drawPointerAt(int x, int y, bool dotShown, uint32_t now)
{
    if (dotShown) {
        int monitor = monitorAt(monitorLayout, x + screenRect.left, y + screenRect.top);
        setLaserLook(laser, monitor < 0 ? kBaseDpi : monitorLayout.dpi[monitor], pointerColour());
    }
    // The surface's rows run upward from the bottom line of the screen.
    LaserRect drawn = laserTick(overlayView(), laser, dotShown, x, screenHeight() - 1 - y, now);
    RECT changed = wholeSurfaceChanged ? wholeOverlay()
                                       : RECT{drawn.x, screenHeight() - (drawn.y + drawn.height),
                                              drawn.x + drawn.width, screenHeight() - drawn.y};
    wholeSurfaceChanged = false;
    if (!IsRectEmpty(&changed))
        present(changed);
}

bool pointerTrailLeft()
{
    return !laserFaded(laser);
}

void endPointer()
{
    passClicks(false);
    clearLaser(laser);
    pointerHasSurface = false;
    fillOverlay();
}
