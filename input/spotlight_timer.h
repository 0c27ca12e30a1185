// The 10 ms tick: shows, hides and moves the spotlight, and runs the highlight sweep.
#pragma once
#include "input/highlight_rect.h"

#include <windows.h>

extern ScreenPoint lastCursorPos; // relative to the virtual screen's corner
extern DWORD lastToggleTick;
extern DWORD toggleGuardMs;

void spotlightTick();
// Starts the tick unless it runs; the tick stops itself once nothing needs it, if key
// presses can start it again.
void runSpotlightTimer();
// Asks for every key press, even while other programs have the keyboard; without it the
// tick never stops.
void listenForShortcutKeys(HWND window);
// WM_INPUT: a press of either shortcut's key starts the tick; a press of the spotlight's
// shortcut is kept for the next tick, which counts it even when the key is up again.
void onKeyboardInput(LPARAM rawInput);
// The next tick with the overlay shown draws even if the cursor has not moved: the
// dimming was moved or redone behind its back.
void forgetCursor();
