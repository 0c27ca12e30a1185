// The two key lists of the options window.
#pragma once
#include <windows.h>

// Appends the 38 key names in table order; neither clears the list nor selects an item.
void fillKeyCombo(HWND list);
// Selects the first item whose text equals text exactly and returns 0; returns -1 when no
// item matches, leaving the selection as it was.
int findCombo(HWND list, const char* text);
