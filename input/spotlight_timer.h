// The 10 ms tick: shows, hides and moves the spotlight, and runs the highlight sweep.
#pragma once
#include "input/highlight_rect.h"

#include <windows.h>

extern ScreenPoint lastCursorPos; // relative to the virtual screen's corner
extern DWORD lastToggleTick;
extern DWORD toggleGuardMs;

void spotlightTick();
// The next tick with the overlay shown draws even if the cursor has not moved: the
// dimming was moved or redone behind its back.
void forgetCursor();
