// The application shell: start-up, the two layered windows, the message loop.
#pragma once
#include "overlay/overlay_surface.h"
#include "settings/platform.h"

#include <windows.h>

constexpr UINT_PTR kSpotlightTimerId = 1111;
constexpr UINT kSpotlightTimerMs = 10;
constexpr char kWindowClassName[] = "ClassIsTheSpot";
constexpr char kOptionsWindowTitle[] = "Orbiqa Options";

extern unsigned char quitRequested;

LRESULT CALLBACK spotWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs every start-up step. Returns false when another copy is already running (after
// telling the user); the caller then exits with 0.
bool startOrbiqa(HINSTANCE instance, int showCommand);

// Registers the class and creates the two layered windows and the drawing resources.
void createShellWindows(int showCommand);

// Registers the trackbar and tab control classes, which the options window's templates
// use; the dialogs cannot be created before this.
void initCommonControls();

// Runs until Exit or the destruction of a window; returns the exit code (always 0).
int runMessageLoop();
