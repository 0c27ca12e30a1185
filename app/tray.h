// The notification-area icon and its menu.
#pragma once
#include <windows.h>

constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayCallbackMessage = 987;
constexpr UINT kTrayOptionsCommand = 1;
constexpr UINT kTrayExitCommand = 2;
constexpr UINT_PTR kTrayRetryTimerId = 1112;

extern HMENU trayMenu;
extern HICON trayIcon;             // the icon file's, or the program's own when the file cannot be read
extern UINT taskbarCreatedMessage; // the shell's "I have (re)started" broadcast

// The options window opens through here so that tests can see the request.
using OptionsOpener = void (*)();
extern OptionsOpener openOptionsFunction;

void initTray();
// Puts the icon into the notification area; at start-up and whenever the shell restarts.
// When the shell refuses it, tries again on a timer for a while.
void addTrayIcon();
void retryTrayIcon();
void onTrayCallback(LPARAM mouseMessage);
// Takes the icon out of the notification area when the program ends, so no dead icon
// stays behind.
void removeTrayIcon();
