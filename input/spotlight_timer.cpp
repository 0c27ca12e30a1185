#include "input/spotlight_timer.h"

#include "input/highlight.h"
#include "input/tick_decision.h"
#include "overlay/overlay_surface.h"
#include "settings/option_table.h"
#include "settings/platform.h"

#include <climits>
#include <wtsapi32.h>

static constexpr UINT_PTR kSpotlightTimerId = 1111;
static constexpr UINT kSpotlightTimerMs = 10;
static bool timerRunning;
static bool keysWakeTimer; // key presses start the tick, so it may stop
static DWORD timerStarted;
static KeyEvents keyEvents;     // from raw keyboard input
static KeyEvents pointerEvents; // the same events, latching the pointer's shortcut
// The tick's memory from one tick to the next; the rest of the program changes it only
// through the actions below.
static TickState tick;
// The options window while it shows above the overlay; the tick then only keeps it there.
static HWND windowAboveOverlay;

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
    tick.lastCursor = {INT_MIN, INT_MIN};
}

void abandonSweep()
{
    dropSweep(tick);
    hideOutline();
}

void forgetModifiers()
{
    keyEvents.modifiersDown = 0;
    pointerEvents.modifiersDown = 0;
}

// Hands the overlay back to the spotlight, dimmed; hiding it is the caller's.
static void takeBackFromPointer()
{
    tick.pointerShown = tick.pointerOn = false;
    endPointer();
    forgetCursor();
}

// Presses on lit pixels pass through to the window beneath, so only a press on the dimmed
// area (or on the outline) arrives here; it also ends the options window's preview.
void endHighlightOnClick()
{
    trace("WM_LBUTTONDOWN");
    tick.highlightActive = false;
    clearHighlight();
}

void endHighlight()
{
    if (!tick.highlightActive)
        return;
    tick.highlightActive = false;
    clearHighlight();
}

bool highlightOnScreen()
{
    return tick.highlightActive;
}

void optionsShown(HWND window)
{
    windowAboveOverlay = window;
    if (!window) {
        // The preview dimmed the primary monitor; the spotlight finds the cursor's again.
        tick.highlightActive = false;
        forgetCursor();
        return;
    }
    runSpotlightTimer(); // keeps the options window above the overlay
    abandonSweep();
    if (tick.pointerShown)
        takeBackFromPointer();
    // A highlight on screen ends: the preview replaces it, and the spotlight shortcut works
    // again as soon as the window closes.
    if (tick.highlightActive) {
        tick.highlightActive = false;
        fillOverlay();
    }
}

// A letter without CTRL or ALT is no shortcut: typing it must do nothing. No key matches 0.
static int usableKey(int modifiersEntry, int keyEntry)
{
    return shortcutAllowed(optionValues[modifiersEntry], optionValues[keyEntry]) ? optionValues[keyEntry] : 0;
}

static int pointerShortcutModifiers()
{
    return pointerShortcut().modifiers;
}

// No pointer until the user chose its shortcut, nor one that is another shortcut's.
static int pointerShortcutKey()
{
    const PointerShortcut pointer = pointerShortcut();
    return !pointer.sharesAnother && shortcutAllowed(pointer.modifiers, pointer.key) ? pointer.key : 0;
}

static TickInputs readTickInputs(HWND foreground)
{
    TickInputs in = {};
    in.readKey = asyncKeyState;
    in.spotlightModifiers = optionValues[spotlightModifiers];
    in.spotlightKey = usableKey(spotlightModifiers, spotlightKey);
    in.highlightModifiers = optionValues[highlightModifiers];
    in.highlightKey = usableKey(highlightModifiers, highlightKey);
    in.holdMode = optionValues[holdMode];
    in.forceTopmost = optionValues[forceTopmost];
    in.showOutline = optionValues[showOutline];
    in.optionsShown = windowAboveOverlay != nullptr;
    in.overlayVisible = IsWindowVisible(overlayWindow) == 1;
    in.overlayForeground = foreground == overlayWindow;
    in.outlineForeground = foreground == outlineWindow;
    in.readCursor = cursorPosition;
    in.now = GetTickCount();
    in.screenHeight = screenHeight();
    in.awakeMs = in.now - timerStarted;
    // Counted by this tick, whatever it decides.
    in.spotlightPressed = takeSpotlightPress(keyEvents, asyncKeyState, in.now);
    in.pointerModifiers = pointerShortcutModifiers();
    in.pointerKey = pointerShortcutKey();
    in.pointerPressed = takeSpotlightPress(pointerEvents, asyncKeyState, in.now);
    in.pointerTrailLeft = pointerTrailLeft();
    return in;
}

// Wine leaves out WM_DISPLAYCHANGE when the X server's monitors change under it, so the
// layout is also compared once a second; a difference takes the message's path. A change
// of scale alone brings no WM_DISPLAYCHANGE anywhere: it takes WM_DPICHANGED's.
static constexpr DWORD kDisplayCheckMs = 1000;
static DWORD lastDisplayCheck;
static bool displayCheckDue = true; // the first tick after a start checks at once

static void checkDisplayLayout(DWORD now)
{
    if (now - lastDisplayCheck < kDisplayCheckMs && !displayCheckDue)
        return;
    displayCheckDue = false;
    lastDisplayCheck = now;
    LayoutChange change = displayLayoutChanged();
    if (change != LayoutChange::none)
        PostMessageA(overlayWindow, change == LayoutChange::scale ? WM_DPICHANGED : WM_DISPLAYCHANGE, 0, 0);
}

void spotlightTick()
{
    // Read once: every step acts on the window that was in front when the tick began.
    HWND foreground = GetForegroundWindow();
    const TickInputs in = readTickInputs(foreground);
    checkDisplayLayout(in.now);
    // Before the release puts the corners in order: the monitor where the sweep began.
    const ScreenPoint sweepStart = tick.dragAnchor;
    const TickActions act = decideTick(in, tick);
    // A press still waiting for its modifiers needs the ticks that count it.
    if (act.mayStop && keysWakeTimer && !keyEvents.spotlightPressed && !pointerEvents.spotlightPressed &&
        KillTimer(overlayWindow, kSpotlightTimerId))
        timerRunning = false;

    if (in.optionsShown) {
        trace("isOptsVisible==1");
        if (act.raiseOptions)
            SetWindowPos(windowAboveOverlay, HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
        return;
    }
    if (act.keepTopmost)
        SetWindowPos(overlayWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (act.endPointer) {
        ShowWindow(overlayWindow, SW_HIDE);
        takeBackFromPointer();
    }
    if (act.startPointer) {
        startPointer();
        ShowWindow(overlayWindow, SW_SHOWNA);
    }
    if (act.drawPointer)
        drawPointerAt(tick.lastCursor.x, tick.lastCursor.y, act.pointerDot, in.now);
    if (act.placeOutline)
        placeOutline(act.outline);
    if (act.hideOutline)
        hideOutline();
    if (act.lightHighlight) {
        showHighlight(act.lit, act.litSurfaceRow, sweepStart);
        forgetCursor();
    }
    // Shown without activation, the presentation keeps the keyboard; handing the
    // foreground back changes nothing then and stays only as a safeguard.
    if (act.show != TickActions::Show::keep)
        ShowWindow(overlayWindow, act.show == TickActions::Show::show ? SW_SHOWNA : SW_HIDE);
    if (act.handBackForeground)
        SetForegroundWindow(foreground);
    if (act.redraw)
        drawSpotlightAt(tick.lastCursor.x, tick.lastCursor.y);
}

void runSpotlightTimer()
{
    if (timerRunning)
        return;
    timerRunning = SetTimer(overlayWindow, kSpotlightTimerId, kSpotlightTimerMs, nullptr) != 0;
    timerStarted = GetTickCount();
    displayCheckDue = true;
}

void listenForShortcutKeys(HWND window)
{
    constexpr USHORT kGenericDesktop = 1, kKeyboard = 6;
    RAWINPUTDEVICE keyboard = {kGenericDesktop, kKeyboard, RIDEV_INPUTSINK, window};
    keysWakeTimer = RegisterRawInputDevices(&keyboard, 1, sizeof keyboard) != 0;
    // Lock and unlock arrive as WM_WTSSESSION_CHANGE only to a registered window.
    WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION);
}

void onKeyboardInput(LPARAM rawInput)
{
    RAWINPUT input = {};
    UINT size = sizeof input;
    if (GetRawInputData(HRAWINPUT(rawInput), RID_INPUT, &input, &size, sizeof(RAWINPUTHEADER)) == UINT(-1) ||
        input.header.dwType != RIM_TYPEKEYBOARD)
        return;
    const int key = input.data.keyboard.VKey;
    const bool released = input.data.keyboard.Flags & RI_KEY_BREAK;
    noteKeyEvent(keyEvents, asyncKeyState, key, released, optionValues[spotlightModifiers],
                 usableKey(spotlightModifiers, spotlightKey), GetTickCount());
    noteKeyEvent(pointerEvents, asyncKeyState, key, released, pointerShortcutModifiers(),
                 pointerShortcutKey(), GetTickCount());
    if (!released &&
        (key == usableKey(spotlightModifiers, spotlightKey) ||
         key == usableKey(highlightModifiers, highlightKey) || (key != 0 && key == pointerShortcutKey())))
        runSpotlightTimer();
}
