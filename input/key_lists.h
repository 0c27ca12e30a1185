// The two key lists of the options window.
#pragma once
#include <windows.h>

void fillKeyCombo(HWND list);
int findCombo(HWND list, const char* text);
