// What one 10 ms tick does, decided from plain values: the Win32 tick reads the world,
// asks here, and carries the answer out. Window-free.
#pragma once
#include "input/highlight_rect.h"
#include "input/shortcut_keys.h"

#include <cstdint>

constexpr uint32_t kToggleGuardMs = 500;
// A key's press may reach the key state a little after its event woke the tick: the tick
// keeps running at least this long after it started.
constexpr uint32_t kWakeGraceMs = 200;

// Reads the cursor the way GetCursorPos does: false when it cannot be read (a locked or
// secure desktop), and the point is then not to be used.
using CursorReader = bool (*)(ScreenPoint& cursor);

// What the tick reads from the system and the settings.
struct TickInputs {
    KeyStateReader readKey; // read only as far as the decision needs, in the held test's order
    int spotlightModifiers, spotlightKey, highlightModifiers, highlightKey;
    int holdMode, forceTopmost, showOutline; // settings entries: on only when exactly 1
    bool optionsShown;
    bool overlayVisible;
    bool overlayForeground, outlineForeground;
    CursorReader readCursor; // at most once a tick, and only when a step needs it
    uint32_t now;            // the tick count, read before any key
    int screenHeight;
    uint32_t awakeMs; // since the tick last started
    // The shortcut's press seen as a key event since the last tick, which the key state may
    // have missed: one press for toggle mode; hold mode and the sweep go by the held test.
    bool spotlightPressed;
};

// What the tick remembers from one tick to the next.
struct TickState {
    bool highPrev, highlightActive;
    bool sweepAbandoned; // the keys still held belong to a sweep cut short: wait for their release
    ScreenPoint dragAnchor, dragCurrent; // after a release: top-left and bottom-right
    ScreenPoint lastCursor;              // where the spotlight was drawn last
    uint32_t lastToggle, guardMs;
};

// Carried out in the order of the fields.
struct TickActions {
    bool raiseOptions = false; // the options window back above the overlay; nothing else follows
    bool keepTopmost = false;
    bool placeOutline = false;
    HighlightRect outline = {};
    bool hideOutline = false;    // a release whose sweep spans no width or no height: nothing lit
    bool lightHighlight = false; // refill, clear `lit`, show the overlay, hide the outline
    HighlightRect lit = {};
    int litSurfaceRow = 0; // the lit rectangle's bottom edge on the bottom-up surface
    enum class Show { keep, show, hide } show = Show::keep;
    bool handBackForeground = false;
    // The spotlight centred on state.lastCursor; the corner is worked out only once its
    // monitor, and so the mask's scale, is settled.
    bool redraw = false;
    // Nothing left to watch: the overlay hidden, neither shortcut's key down, no sweep, the
    // options window closed. A key going down starts the tick again.
    bool mayStop = false;
};

TickActions decideTick(const TickInputs& in, TickState& state);

// A display change or the options window ends the sweep in progress, the outline aside:
// its corners are never lit, and keys still held start no new sweep until released.
void dropSweep(TickState& state);
