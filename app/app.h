// The application shell: start-up, the two layered windows, the message loop.
#pragma once
#include <windows.h>

constexpr UINT_PTR kSpotlightTimerId = 1111;
constexpr UINT kSpotlightTimerMs = 10;
constexpr char kWindowClassName[] = "ClassIsTheSpot";
constexpr char kOptionsWindowTitle[] = "Orbiqa Options";

extern HINSTANCE appInstance;
extern RECT screenRect; // right = screen width, bottom = screen height
extern HWND overlayWindow;
extern HWND outlineWindow;
extern HDC overlayDC;
extern HDC surfaceDC;
extern HFONT labelFont;
extern BLENDFUNCTION blendFunction;
extern int optionsWidth;
extern unsigned char quitRequested;

inline int screenWidth()
{
    return screenRect.right;
}
inline int screenHeight()
{
    return screenRect.bottom;
}

LRESULT CALLBACK spotWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs every start-up step. Returns false when another copy is already running (after
// telling the user); the caller then exits with 0.
bool startOrbiqa(HINSTANCE instance, int showCommand);

// Registers the class and creates the two layered windows and the drawing resources.
// Returns what could not be created, or null when everything was.
const char* createShellWindows(int showCommand);

// Held for the whole run: a second copy in this user session finds it and stops.
extern HANDLE singleInstanceMutex;

// Keeps DLLs planted beside the program from being loaded on its behalf: the system's
// own DLLs come from the system folder only. The first call of the program.
void restrictDllSearch();

// Registers the trackbar and tab control classes, which the options window's templates
// use; the dialogs cannot be created before this.
void initCommonControls();

// Runs until Exit or the destruction of a window; returns the exit code (always 0).
int runMessageLoop();

// Message boxes go through one place so that tests can answer them instead of a user.
using MessageBoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
extern MessageBoxFunction messageBoxFunction;
void showMessage(const char* text, const char* caption);
