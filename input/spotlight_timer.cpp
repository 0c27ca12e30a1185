#include "input/spotlight_timer.h"

POINT lastCursorPos;
DWORD lastToggleTick;
DWORD toggleGuardMs;

void spotlightTick() {}
