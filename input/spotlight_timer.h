// The 10 ms tick: shows, hides and moves the spotlight, and runs the highlight sweep.
#pragma once
#include <windows.h>

// The tick keeps its own memory (the sweep, the highlight on screen, the cursor it drew at,
// the toggle guard); the rest of the program acts on it through the functions below.
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
// A sweep in progress is dropped with its outline: its corners are never lit, and keys
// still held start no new sweep until released.
void abandonSweep();
// A session locked or unlocked, or a resume: a modifier's release may have gone to the
// secure desktop, so no modifier counts as down until its next press.
void forgetModifiers();
// WM_LBUTTONDOWN on the overlay or the outline: the highlight, or the preview, goes.
void endHighlightOnClick();
// A highlight on screen ends and the overlay hides; nothing happens without one.
void endHighlight();
bool highlightOnScreen();
// The options window shows above the overlay (its handle) or has closed (null). While it
// shows, the tick polls no shortcut and only keeps that window above the overlay; showing
// it ends a sweep and a highlight.
void optionsShown(HWND window);
