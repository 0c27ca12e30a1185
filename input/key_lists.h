// The three key lists of the options window.
#pragma once
#include <windows.h>

// Appends the 38 key names in table order; neither clears the list nor selects an item.
void fillKeyCombo(HWND list);
// The laser pointer's list: its first item, which no key bears, means no shortcut at all.
constexpr char kNoShortcutItem[] = "(None)";
// Appends kNoShortcutItem, then the 38 key names.
void fillOptionalKeyCombo(HWND list);
// Selects the first item whose text equals text exactly and returns 0; returns -1 when no
// item matches, leaving the selection as it was.
int findCombo(HWND list, const char* text);
