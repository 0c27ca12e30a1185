// The 10 ms tick: shows, hides and moves the spotlight.
#pragma once
#include <windows.h>

extern POINT lastCursorPos;
extern DWORD lastToggleTick;
extern DWORD toggleGuardMs;

void spotlightTick();
