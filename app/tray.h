// The notification-area icon and its menu.
#pragma once
#include <windows.h>

constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayCallbackMessage = 987;
constexpr UINT kTrayOptionsCommand = 1;
constexpr UINT kTrayExitCommand = 2;

extern HMENU trayMenu;
extern HICON trayIcon;             // null when the icon file could not be read
extern UINT taskbarCreatedMessage; // the shell's "I have (re)started" broadcast

// The options window opens through here so that tests can see the request.
using OptionsOpener = void (*)();
extern OptionsOpener openOptionsFunction;

void initTray();
// Puts the icon into the notification area; at start-up and whenever the shell restarts.
void addTrayIcon();
void onTrayCallback(LPARAM mouseMessage);
// Takes the icon out of the notification area when the program ends, so no dead icon
// stays behind.
void removeTrayIcon();
