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
    // The laser pointer's shortcut: key 0 when none is set. Like the spotlight's, in the same mode.
    int pointerModifiers = 0, pointerKey = 0;
    bool pointerPressed = false;
    bool pointerTrailLeft = false; // the pointer's dot or trail still shows on the surface
};

// What the tick remembers from one tick to the next.
struct TickState {
    bool highPrev, highlightActive;
    bool sweepAbandoned; // the keys still held belong to a sweep cut short: wait for their release
    ScreenPoint dragAnchor, dragCurrent; // after a release: top-left and bottom-right
    ScreenPoint lastCursor;              // where the spotlight was drawn last
    uint32_t lastToggle, guardMs;
    bool pointerShown = false; // the overlay belongs to the pointer, from its start until its trail faded
    bool pointerOn = false;    // the dot follows the cursor; once off, the trail fades out
    uint32_t pointerToggle = 0, pointerGuardMs = 0;
};

// Carried out in the order of the fields.
struct TickActions {
    bool raiseOptions = false; // the options window back above the overlay; nothing else follows
    bool keepTopmost = false;
    // The trail has faded, or the spotlight or a sweep cut it short: the overlay hides and is
    // dimmed again, and takes clicks again. What follows in the tick may show it anew.
    bool endPointer = false;
    // The overlay shows cleared and lets every click through; the dot is drawn next.
    bool startPointer = false;
    // The trail fades by the time passed and, with pointerDot, the dot is drawn at
    // state.lastCursor with the trail from where it was.
    bool drawPointer = false;
    bool pointerDot = false;
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
