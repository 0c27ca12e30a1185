// The 10 ms tick: shows, hides and moves the spotlight, and runs the highlight sweep.
#pragma once
#include "input/highlight_rect.h"

#include <windows.h>

extern ScreenPoint lastCursorPos;
extern DWORD lastToggleTick;
extern DWORD toggleGuardMs;

void spotlightTick();
