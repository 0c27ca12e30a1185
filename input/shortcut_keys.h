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

// The shortcut is held when its modifiers are down and then its key is.
bool shortcutHeld(KeyStateReader readKey, int modifiers, int virtualKey);

// The modifiers and the spotlight's shortcut as keyboard events report them. A macro pad, a
// presenter remote or a script presses and releases the shortcut at once, between two polls
// of the key state, so only the event shows the press: it is latched here for the next tick.
struct KeyEvents {
    int modifiersDown; // the flags of the modifiers whose last event was a press
    bool spotlightPressed;
};

// One key going down or up. Left and right modifiers count alike, as the held test reads
// them; the press latches when the shortcut's modifiers are down (extra ones do not matter).
// A modifier's release may never arrive (the secure desktop, a remote-desktop window that
// hooks the keys, under Wine a key released while another X window had the keyboard), so
// while the key state still shows the shortcut's key down, its modifiers there decide and
// the tracked ones follow them; once the press is over, as with an instant tap, the events do.
void noteKeyEvent(KeyEvents& events, KeyStateReader readKey, int virtualKey, bool released,
                  int spotlightModifiers, int spotlightKey);

// The latched press, handed to one tick and forgotten. The key state may follow the event up
// to 50 ms late under Wine, so it is asked again here, by the same rule as at the event.
bool takeSpotlightPress(KeyEvents& events, KeyStateReader readKey, int spotlightModifiers, int spotlightKey);

// A toggle is accepted only when more than the guard has passed since the last one. The
// difference is unsigned, so it keeps working when the 32-bit tick count wraps.
inline bool toggleGuardPassed(uint32_t now, uint32_t lastToggle, uint32_t guard)
{
    return now - lastToggle > guard;
}
