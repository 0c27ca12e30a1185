// Claiming the two shortcuts system-wide.
#pragma once

constexpr int kSpotlightHotKeyId = 100;
constexpr int kHighlightHotKeyId = 200;
constexpr int kPointerHotKeyId = 300;

// Which shortcuts the system gave to this program. One that another program holds still
// works, since the keys are polled, but its keystroke also reaches that program. A letter
// without CTRL or ALT is never claimed and does nothing (letterAlone).
struct ShortcutClaims {
    bool spotlight;
    bool highlight;
    bool pointer; // also true while the pointer has no shortcut, as there is nothing to claim
    bool letterAlone;
};

// Gives back all three shortcuts, then claims them as the settings table has them, except a
// letter without CTRL or ALT, and a pointer's that is absent or the same as another one's.
ShortcutClaims registerShortcuts();
