// What the notification-area icon says: its tip and the balloons of the start. Window-free.
#pragma once
#include <cstddef>

#include "orbiqa_names.h"

// The tip and balloon fields of the shell's icon record, terminators included.
constexpr size_t kTrayTipSize = 128;
constexpr size_t kBalloonTitleSize = 64;
constexpr size_t kBalloonTextSize = 256;

constexpr char kBalloonTitle[] = ORBIQA_NAME;

struct TrayShortcuts {
    int spotlightModifiers;
    int spotlightKey;
    int highlightModifiers;
    int highlightKey;
    bool holdMode; // otherwise a press turns the spotlight on and the next one off
    int pointerModifiers = 0;
    int pointerKey = 0; // 0 while the laser pointer has no shortcut: then no text names it
};

// "Orbiqa: hold ALT+F9 for the spotlight, ALT+F10 to highlight", with "press" in toggle mode,
// and ", CTRL+F11 for the pointer" once the pointer has a shortcut.
void trayTipText(const TrayShortcuts& shortcuts, char* buffer, size_t size);

// On a first run: where the program went and how to use it. For a shortcut the system
// refused: that another program holds it. Both in one text when both apply, since a new
// balloon of the same icon replaces the one showing. False, and an empty text, when there
// is nothing to tell. A sentence that does not fit is left out, never cut.
bool startNoticeText(const TrayShortcuts& shortcuts, bool firstRun, bool spotlightTaken, bool highlightTaken,
                     char* buffer, size_t size, bool pointerTaken = false);
