#include "input/tick_decision.h"

#include "settings/option_table.h"

static bool samePoint(ScreenPoint a, ScreenPoint b)
{
    return a.x == b.x && a.y == b.y;
}

// Under Wine every read can be a round trip to the X server, so an idle tick reads no
// cursor, and a tick that sweeps and then follows reads it once.
struct CursorOnce {
    CursorReader read;
    bool asked = false, known = false;
    ScreenPoint point = {};

    bool get(ScreenPoint& cursor)
    {
        if (!asked)
            known = read(point);
        asked = true;
        cursor = point;
        return known;
    }
};

// The corners are the cursor positions of the ticks while the shortcut was held; the
// release reads no position, so the last held tick gives the far corner. A tick whose
// cursor could not be read neither starts the sweep nor moves a corner. A press that moved
// nothing (a remote, a macro pad, a quick tap) spans no area: lit, it would dim the whole
// monitor and leave only a click to end it.
static void sweepStep(const TickInputs& in, CursorOnce& cursorOnce, TickState& state, TickActions& actions)
{
    if (shortcutHeld(in.readKey, in.highlightModifiers, in.highlightKey)) {
        if (state.sweepAbandoned)
            return;
        ScreenPoint cursor;
        if (!cursorOnce.get(cursor))
            return;
        if (!state.highPrev)
            state.dragAnchor = cursor;
        state.dragCurrent = cursor;
        if (isOn(in.showOutline)) {
            actions.placeOutline = true;
            actions.outline = rectOfCorners(state.dragAnchor, state.dragCurrent);
        }
        state.highPrev = true;
        return;
    }
    state.sweepAbandoned = false;
    if (state.highPrev) {
        normaliseCorners(state.dragAnchor, state.dragCurrent);
        const HighlightRect lit = rectOfCorners(state.dragAnchor, state.dragCurrent);
        actions.hideOutline = lit.width == 0 || lit.height == 0;
        actions.lightHighlight = !actions.hideOutline;
        if (actions.lightHighlight) {
            actions.lit = lit;
            actions.litSurfaceRow = surfaceRowOfBottom(in.screenHeight, lit.top, lit.height);
            state.highlightActive = true;
        }
    }
    state.highPrev = false;
}

void dropSweep(TickState& state)
{
    state.sweepAbandoned = state.sweepAbandoned || state.highPrev;
    state.highPrev = false;
}

// The pointer and the spotlight or a highlight never show together: whichever shows first
// keeps the screen, and the other's shortcut does nothing meanwhile. Only a fading trail gives
// way, to a press of the others' shortcuts, so that no press is lost to it.
static bool pointerStep(const TickInputs& in, CursorOnce& cursorOnce, TickState& state, TickActions& actions)
{
    const bool held = in.pointerKey != 0 && shortcutHeld(in.readKey, in.pointerModifiers, in.pointerKey);
    auto toggled = [&] {
        if (!(in.pointerPressed || held) ||
            !toggleGuardPassed(in.now, state.pointerToggle, state.pointerGuardMs))
            return false;
        state.pointerToggle = in.now;
        state.pointerGuardMs = kToggleGuardMs;
        return true;
    };
    const bool holdMode = isOn(in.holdMode);
    if (!state.pointerShown) {
        if (in.pointerKey == 0 || in.overlayVisible || state.highlightActive || state.highPrev ||
            !(holdMode ? held : toggled()))
            return false;
        state.pointerShown = state.pointerOn = true;
        actions.startPointer = true;
    } else if (state.pointerOn) {
        state.pointerOn = holdMode ? held : !toggled();
    } else if (holdMode ? held : toggled()) {
        state.pointerOn = true; // back before its trail faded: the trail runs on
    } else if (!in.pointerTrailLeft || in.spotlightPressed ||
               shortcutHeld(in.readKey, in.spotlightModifiers, in.spotlightKey) ||
               shortcutHeld(in.readKey, in.highlightModifiers, in.highlightKey)) {
        state.pointerShown = false;
        actions.endPointer = true;
        return false;
    }
    actions.drawPointer = true;
    ScreenPoint cursor;
    actions.pointerDot = state.pointerOn && cursorOnce.get(cursor);
    if (actions.pointerDot)
        state.lastCursor = cursor;
    return true;
}

static TickActions decideSteps(const TickInputs& in, TickState& state)
{
    TickActions actions;
    // The options window owns the screen: its preview stays, and no shortcut is polled.
    if (in.optionsShown) {
        actions.raiseOptions = in.overlayForeground;
        return actions;
    }
    actions.keepTopmost =
        in.overlayVisible && isOn(in.forceTopmost) && !in.overlayForeground && !in.outlineForeground;

    CursorOnce cursorOnce = {in.readCursor};
    if (pointerStep(in, cursorOnce, state, actions))
        return actions;
    bool visible = in.overlayVisible && !actions.endPointer;
    // The sweep runs even with a highlight on screen: a new one replaces it.
    sweepStep(in, cursorOnce, state, actions);
    if (state.highlightActive)
        return actions;

    if (isOn(in.holdMode)) {
        if (!shortcutHeld(in.readKey, in.spotlightModifiers, in.spotlightKey)) {
            actions.show = TickActions::Show::hide;
            return actions;
        }
        actions.show = TickActions::Show::show;
        actions.handBackForeground = true;
        visible = true;
    } else if ((in.spotlightPressed || shortcutHeld(in.readKey, in.spotlightModifiers, in.spotlightKey)) &&
               toggleGuardPassed(in.now, state.lastToggle, state.guardMs)) {
        state.lastToggle = in.now;
        state.guardMs = kToggleGuardMs;
        visible = !visible;
        actions.show = visible ? TickActions::Show::show : TickActions::Show::hide;
    }
    // Only a cursor that moved, and could be read, is drawn at again.
    ScreenPoint cursor;
    if (!visible || !cursorOnce.get(cursor) || samePoint(cursor, state.lastCursor))
        return actions;
    state.lastCursor = cursor;
    actions.redraw = true;
    return actions;
}

// Only the keys themselves count, not their modifiers: a modifier pressed after the key
// would otherwise find the tick stopped.
TickActions decideTick(const TickInputs& in, TickState& state)
{
    TickActions actions = decideSteps(in, state);
    bool visible = actions.show == TickActions::Show::keep
                       ? (in.overlayVisible && !actions.endPointer) || state.pointerShown
                       : actions.show == TickActions::Show::show;
    actions.mayStop = !in.optionsShown && !visible && !actions.lightHighlight && !state.highPrev &&
                      !state.highlightActive && in.awakeMs >= kWakeGraceMs &&
                      !keyDown(in.readKey, in.spotlightKey) && !keyDown(in.readKey, in.highlightKey) &&
                      (in.pointerKey == 0 || !keyDown(in.readKey, in.pointerKey));
    return actions;
}
