#include "input/spotlight_timer.h"

#include "app/trace.h"
#include "input/highlight.h"
#include "input/tick_decision.h"
#include "options/options_window.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "settings/option_table.h"

#include <climits>

ScreenPoint lastCursorPos;
DWORD lastToggleTick;
DWORD toggleGuardMs;

static int16_t asyncKeyState(int virtualKey)
{
    return GetAsyncKeyState(virtualKey);
}

// Relative to the virtual screen's top-left corner, like the surface, so that a monitor
// left of or above the primary one gives no negative positions.
static bool cursorPosition(ScreenPoint& cursor)
{
    POINT point = {};
    if (!GetCursorPos(&point))
        return false;
    cursor = {int(point.x - screenRect.left), int(point.y - screenRect.top)};
    return true;
}

void forgetCursor()
{
    lastCursorPos = {INT_MIN, INT_MIN};
}

static TickInputs readTickInputs(HWND foreground)
{
    TickInputs in = {};
    in.readKey = asyncKeyState;
    in.spotlightModifiers = optionValues[spotlightModifiers];
    in.spotlightKey = optionValues[spotlightKey];
    in.highlightModifiers = optionValues[highlightModifiers];
    in.highlightKey = optionValues[highlightKey];
    in.holdMode = optionValues[holdMode];
    in.forceTopmost = optionValues[forceTopmost];
    in.showOutline = optionValues[showOutline];
    in.optionsShown = isOptsVisible == 1;
    in.overlayVisible = IsWindowVisible(overlayWindow) == 1;
    in.overlayForeground = foreground == overlayWindow;
    in.outlineForeground = foreground == outlineWindow;
    in.readCursor = cursorPosition;
    in.now = GetTickCount();
    in.imageWidth = spotlightMask().width;
    in.imageHeight = spotlightMask().height;
    in.screenHeight = screenHeight();
    return in;
}

// The tick's memory lives in the named globals that the options window and the click
// handler also touch.
static TickState rememberedState()
{
    TickState state = {};
    state.highPrev = highPrev == 1;
    state.highlightActive = highlightActive == 1;
    state.dragAnchor = dragAnchor;
    state.dragCurrent = dragCurrent;
    state.lastCursor = lastCursorPos;
    state.lastToggle = lastToggleTick;
    state.guardMs = toggleGuardMs;
    return state;
}

static void remember(const TickState& state)
{
    highPrev = state.highPrev;
    highlightActive = state.highlightActive;
    dragAnchor = state.dragAnchor;
    dragCurrent = state.dragCurrent;
    lastCursorPos = state.lastCursor;
    lastToggleTick = state.lastToggle;
    toggleGuardMs = state.guardMs;
}

// Wine leaves out WM_DISPLAYCHANGE when the X server's monitors change under it, so the
// layout is also compared once a second; a difference takes the message's path.
static constexpr DWORD kDisplayCheckMs = 1000;
static DWORD lastDisplayCheck;

static void checkDisplayLayout(DWORD now)
{
    if (now - lastDisplayCheck < kDisplayCheckMs)
        return;
    lastDisplayCheck = now;
    if (displayLayoutChanged())
        PostMessageA(overlayWindow, WM_DISPLAYCHANGE, 0, 0);
}

void spotlightTick()
{
    // Read once: every step acts on the window that was in front when the tick began.
    HWND foreground = GetForegroundWindow();
    const TickInputs in = readTickInputs(foreground);
    checkDisplayLayout(in.now);
    TickState state = rememberedState();
    // Before the release puts the corners in order: the monitor where the sweep began.
    const ScreenPoint sweepStart = state.dragAnchor;
    const TickActions act = decideTick(in, state);
    remember(state);

    if (in.optionsShown) {
        trace("isOptsVisible==1");
        if (act.raiseOptions)
            SetWindowPos(optionsWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    if (act.keepTopmost)
        SetWindowPos(overlayWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (act.placeOutline)
        placeOutline(act.outline);
    if (act.lightHighlight)
        showHighlight(act.lit, act.litSurfaceRow, sweepStart);
    // Shown without activation, the presentation keeps the keyboard; handing the
    // foreground back changes nothing then and stays only as a safeguard.
    if (act.show != TickActions::Show::keep)
        ShowWindow(overlayWindow, act.show == TickActions::Show::show ? SW_SHOWNA : SW_HIDE);
    if (act.handBackForeground)
        SetForegroundWindow(foreground);
    if (act.redraw) {
        dimMonitorAt(state.lastCursor.x, state.lastCursor.y);
        drawOverlay(overlayWindow, act.drawX, act.drawY, 0, 0, 0);
    }
}
