// Cursor moves made by the Windows tests, made to stick under Wine.
#pragma once
#include <windows.h>

// Lets Wine handle the window-system events that showing, hiding and moving caused.
// Queued key messages are dropped unseen: F10 or ALT reaching the default handling
// would start menu mode, and no test needs them.
void settleWindows();

// Moves the cursor and returns once GetCursorPos reports the new place.
void moveCursor(int x, int y);
