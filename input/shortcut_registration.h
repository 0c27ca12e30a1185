// Claiming the two shortcuts system-wide.
#pragma once

constexpr int kSpotlightHotKeyId = 100;
constexpr int kHighlightHotKeyId = 200;

// Which shortcuts the system gave to this program. A refused one still works, since the keys
// are polled, but its keystroke also reaches the program that holds it.
struct ShortcutClaims {
    bool spotlight;
    bool highlight;
};

// Gives back both shortcuts, then claims them as the settings table has them.
ShortcutClaims registerShortcuts();
