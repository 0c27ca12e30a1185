#include "app/app.h"
#include "app/tray.h"
#include "input/spotlight_timer.h"
#include "options/options_window.h"

static void onTimer(WPARAM timerId)
{
    if (timerId == kTrayRetryTimerId)
        retryTrayIcon();
    else
        spotlightTick();
}

// A resolution, an orientation, a monitor added or removed: the old surface would dim the
// wrong area. A highlight's rectangle may no longer be where it was swept, so it ends, and
// so does a sweep, whose corners were taken from the old virtual screen's corner.
static LRESULT onDisplayChange()
{
    followDisplayChange();
    forgetCursor();
    abandonSweep();
    if (isOptsVisible == 1)
        drawPreview();
    else
        endHighlight();
    return 0;
}

// The monitors kept their places and the mask took the new scale: a spotlight of the old
// size goes with a fill, while a highlight's rectangle, in pixels, stays where it is.
static void onScaleChange()
{
    LayoutChange change = followScaleChange();
    if (change == LayoutChange::geometry)
        onDisplayChange();
    if (change != LayoutChange::scale)
        return;
    forgetCursor();
    if (isOptsVisible == 1 || !highlightOnScreen())
        fillOverlay();
    if (isOptsVisible == 1)
        drawPreview();
}

// The secure desktop has the keyboard while the session is locked: releases go there.
static bool locksOrUnlocks(WPARAM sessionChange)
{
    return sessionChange == WTS_SESSION_LOCK || sessionChange == WTS_SESSION_UNLOCK;
}

// One procedure serves both layered windows. Every top-level window hears of a display or
// scale change and of a restarted shell; the overlay alone follows them.
LRESULT CALLBACK spotWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool overlay = window == overlayWindow;
    // A restarted shell has forgotten every icon. 0 means the message could not be registered.
    if (message == taskbarCreatedMessage && taskbarCreatedMessage != 0 && overlay) {
        addTrayIcon();
        return 0;
    }
    // clang-format off
    switch (message) {
    case WM_DESTROY:           PostQuitMessage(0);                  return 0;
    case WM_TIMER:             onTimer(wParam);                     return 0;
    case WM_LBUTTONDOWN:       endHighlightOnClick();               return 0;
    case WM_HOTKEY:                                                 return 0; // claimed only; keys are polled
    case kTrayCallbackMessage: onTrayCallback(lParam);              return 0;
    // A click that ends a highlight must not take the keyboard from the presentation.
    case WM_MOUSEACTIVATE:                                          return MA_NOACTIVATE;
    // The system needs the message too, to free the input's data.
    case WM_INPUT:             onKeyboardInput(lParam);             break;
    case WM_DISPLAYCHANGE:     if (overlay) return onDisplayChange();  break;
    // A modifier released while the secure desktop or a sleep had the keys never went up here.
    case WM_WTSSESSION_CHANGE: if (locksOrUnlocks(wParam)) forgetModifiers(); break;
    case WM_POWERBROADCAST:    if (wParam == PBT_APMRESUMEAUTOMATIC) forgetModifiers(); break;
    // The overlay keeps its place over every monitor instead of taking the suggested one.
    case WM_DPICHANGED:        if (overlay) onScaleChange();        return 0;
    // The overlay keeps its caption style, but a press in the caption band at the top of the
    // screen must end a highlight like any other, not start moving the dim layer.
    case WM_NCHITTEST:         if (overlay) return HTCLIENT;        break;
    // Windows' Restart Manager, and the installer through "/installer-exit", close the program
    // this way before its files are replaced: it ends as Exit ends it. A session that ends
    // for good ends the process without it, as before.
    case WM_ENDSESSION:        if (wParam && (lParam & ENDSESSION_CLOSEAPP)) PostQuitMessage(0); return 0;
    }
    // clang-format on
    return DefWindowProcA(window, message, wParam, lParam);
}
