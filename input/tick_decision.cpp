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

    // The sweep runs even with a highlight on screen: a new one replaces it.
    CursorOnce cursorOnce = {in.readCursor};
    sweepStep(in, cursorOnce, state, actions);
    if (state.highlightActive)
        return actions;

    bool visible = in.overlayVisible;
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
    bool visible =
        actions.show == TickActions::Show::keep ? in.overlayVisible : actions.show == TickActions::Show::show;
    actions.mayStop = !in.optionsShown && !visible && !actions.lightHighlight && !state.highPrev &&
                      !state.highlightActive && in.awakeMs >= kWakeGraceMs &&
                      !keyDown(in.readKey, in.spotlightKey) && !keyDown(in.readKey, in.highlightKey);
    return actions;
}
