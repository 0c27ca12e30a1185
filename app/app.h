// The application shell: start-up, the two layered windows, the message loop.
#pragma once
#include "overlay/overlay_surface.h"
#include "settings/platform.h"

#include <windows.h>

constexpr char kWindowClassName[] = "ClassIsTheSpot";

extern unsigned char quitRequested;

LRESULT CALLBACK spotWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Carries out what the installer (res/orbiqa.wxs) asks of the installed copy by its
// command line: "/installer-exit" ends the running copy of this same file, as Exit
// would, and waits until it has ended; "/installer-uninstall" removes the Run values that
// start this copy. True when the command line was such a request: the program then ends
// at once. Every other command line is ignored, as it always was.
bool carryOutInstallerRequest(const char* commandLine);

// Runs every start-up step. Returns false when another copy is already running or
// something the program cannot run without could not be created (after telling the
// user); the caller then exits with 0.
bool startOrbiqa(HINSTANCE instance);

// Registers the class and creates the two layered windows and the drawing resources.
// Returns what could not be created, or null when everything was.
const char* createShellWindows();

// Held for the whole run: a second copy in this user session finds it and stops.
extern HANDLE singleInstanceMutex;

// Keeps DLLs planted beside the program from being loaded on its behalf: the system's
// own DLLs come from the system folder only. The first call of the program.
void restrictDllSearch();

// Registers the trackbar and tab control classes, which the options window's templates
// use; the dialogs cannot be created before this.
void initCommonControls();

// What the loop does with each message, the options window's keys included.
void dispatchMessage(MSG& message);

// Runs until Exit or the destruction of a window; returns the exit code (always 0).
int runMessageLoop();
