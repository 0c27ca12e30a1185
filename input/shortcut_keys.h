// Key names, modifier flags and the "is this shortcut held" test. Window-free: the key
// state comes from a reader that behaves like GetAsyncKeyState.
#pragma once
#include <cstddef>
#include <cstdint>

// The system's hot-key modifier bits.
constexpr int kModAlt = 1;
constexpr int kModControl = 2;
constexpr int kModShift = 4;

// Generic virtual-key codes, so that either the left or the right key counts.
constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkMenu = 0x12;
// Their left and right variants, in the system's order: left and right SHIFT, CTRL, ALT.
constexpr int kVkLeftShift = 0xA0;

// The names shown in the key lists, in list order: F1-F12, then A-Z.
constexpr int kKeyNameCount = 38;
extern const char* const keyNames[kKeyNameCount];

// A buffer for one key's name; the longest is three characters.
constexpr size_t kKeyNameSize = 10;

// The virtual-key code of a list name: one character gives its own code, "F1"-"F12"
// give 0x70-0x7B (exact case). Any other name, the empty one included, gives 0, which
// no key matches.
int keyFromName(const char* name);

// Appends the name of a virtual-key code (A-Z, F1-F12) to the text in buffer and
// returns buffer; other codes, and names that would not fit, append nothing.
char* nameFromKey(int virtualKey, char* buffer, size_t size);

// The longest combination's name, "CTRL+ALT+SHIFT+F12", with its terminator.
constexpr size_t kShortcutNameSize = 19;

// Writes the combination as the user reads it, "CTRL+ALT+F9": CTRL, ALT and SHIFT in that
// order, then the key, "?" for a key without a name. Cut short to fit; returns buffer.
char* shortcutName(int modifiers, int virtualKey, char* buffer, size_t size);

// Returns the key's state the way GetAsyncKeyState does: the top bit set while down.
using KeyStateReader = int16_t (*)(int virtualKey);

inline bool keyDown(KeyStateReader readKey, int virtualKey)
{
    return (readKey(virtualKey) & 0x8000) != 0;
}

// True when every modifier the flags name is down (CTRL first, then ALT, then SHIFT,
// each read only when the ones before it passed). Extra modifiers held do not matter;
// bits other than ALT, CTRL and SHIFT are ignored; flags 0 read no key at all.
bool modifiersDown(KeyStateReader readKey, int flags);

// A letter alone would be claimed from every program's typing, and every time it is typed
// it would act: a letter needs CTRL or ALT. F1-F12 alone stay allowed, as a presenter
// remote sends them.
bool shortcutAllowed(int modifiers, int virtualKey);

// The shortcut is held when its modifiers are down and then its key is.
bool shortcutHeld(KeyStateReader readKey, int modifiers, int virtualKey);

// The modifiers and the spotlight's shortcut as keyboard events report them. A macro pad, a
// presenter remote or a script presses and releases the shortcut at once, between two polls
// of the key state, so only the event shows the press: it is latched here for the next tick.
// A modifier's release may never arrive (the secure desktop, a remote-desktop window that
// hooks the keys, under Wine a key released while another X window had the keyboard), so
// the events alone would leave it down for good and let the bare key latch.
struct KeyEvents {
    int modifiersDown; // the flags of the modifiers whose last event was a press
    bool spotlightPressed;
    uint32_t pressedAt; // the tick count at the latched press
    // The latched press's modifiers that the key state showed up and whose release has not
    // come since: down at the press only if the key state shows them down after all.
    int unconfirmed;
};

// Under Wine the key state may show a press this long after its event: the server's state
// can trail the raw input, and a read that found a key up is kept for 50 ms.
constexpr uint32_t kKeyStateLagMs = 100;

// One key going down or up at the tick count now. Left and right modifiers count alike, as
// the held test reads them; the press latches when the shortcut's modifiers are down by
// their events (extra ones do not matter), and those the key state shows up are noted.
void noteKeyEvent(KeyEvents& events, KeyStateReader readKey, int virtualKey, bool released,
                  int spotlightModifiers, int spotlightKey, uint32_t now);

// The latched press for the tick at now. A modifier noted up counts as down once its release
// arrives (the press came first: an instant tap, whatever the order of the releases) or the
// key state shows it down (the state lagged). One neither shows within kKeyStateLagMs was
// released where Orbiqa could not see it: it is forgotten and the press refused. Until then
// the press waits.
bool takeSpotlightPress(KeyEvents& events, KeyStateReader readKey, uint32_t now);

// A toggle is accepted only when more than the guard has passed since the last one. The
// difference is unsigned, so it keeps working when the 32-bit tick count wraps.
inline bool toggleGuardPassed(uint32_t now, uint32_t lastToggle, uint32_t guard)
{
    return now - lastToggle > guard;
}
