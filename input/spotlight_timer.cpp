#include "input/spotlight_timer.h"

#include "app/trace.h"
#include "input/highlight.h"
#include "input/shortcut_keys.h"
#include "options/options_window.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "settings/option_table.h"

POINT lastCursorPos;
DWORD lastToggleTick;
DWORD toggleGuardMs;

static constexpr DWORD kToggleGuardMs = 500;

static int16_t asyncKeyState(int virtualKey)
{
    return GetAsyncKeyState(virtualKey);
}

static bool spotlightShortcutHeld()
{
    return shortcutHeld(asyncKeyState, optionValues[spotlightModifiers], optionValues[spotlightKey]);
}

// Redraws only when the cursor has moved: presenting the whole surface is the costly part.
static void followCursor()
{
    POINT cursor;
    GetCursorPos(&cursor);
    if (cursor.x == lastCursorPos.x && cursor.y == lastCursorPos.y)
        return;
    lastCursorPos = cursor;
    drawOverlay(overlayWindow, spotlightCornerX(cursor.x, spotlightImage.width),
                spotlightCornerY(cursor.y, spotlightImage.height, screenHeight()), 0, 0, 0);
}

void spotlightTick()
{
    // Read once: every step below acts on the window that was in front when the tick began.
    HWND foreground = GetForegroundWindow();

    if (isOptsVisible == 1) {
        trace("isOptsVisible==1");
        if (foreground == overlayWindow)
            SetWindowPos(optionsWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
        return;
    }

    if (IsWindowVisible(overlayWindow) == 1 && isOptionOn(forceTopmost) && foreground != overlayWindow &&
        foreground != outlineWindow)
        SetWindowPos(overlayWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    highlightSweepStep();
    if (highlightActive == 1)
        return;

    if (isOptionOn(holdMode)) {
        if (!spotlightShortcutHeld()) {
            ShowWindow(overlayWindow, SW_HIDE);
            return;
        }
        // The presentation keeps the keyboard: the overlay is shown without activation, so
        // handing the foreground back changes nothing and stays only as a safeguard.
        ShowWindow(overlayWindow, SW_SHOWNA);
        SetForegroundWindow(foreground);
    } else {
        DWORD now = GetTickCount();
        if (spotlightShortcutHeld() && toggleGuardPassed(now, lastToggleTick, toggleGuardMs)) {
            lastToggleTick = GetTickCount();
            toggleGuardMs = kToggleGuardMs;
            ShowWindow(overlayWindow, IsWindowVisible(overlayWindow) ? SW_HIDE : SW_SHOWNA);
        }
        if (!IsWindowVisible(overlayWindow))
            return;
    }
    followCursor();
}
