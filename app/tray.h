// The notification-area icon and its menu.
#pragma once
#include "input/shortcut_registration.h"

#include <windows.h>

#include <shellapi.h>

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

// Every record for the shell goes through here, so that tests can see what the icon shows.
using NotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
extern NotifyIconFunction notifyIconFunction;

void initTray();
// Puts the icon into the notification area; at start-up and whenever the shell restarts.
// When the shell refuses it, tries again on a timer for a while.
void addTrayIcon();
void retryTrayIcon();
void onTrayCallback(LPARAM mouseMessage);
// The tip names both shortcuts as they are set; initTray makes every OK refresh it.
void refreshTrayTip();
// Tells, once, of a first run (initPaths wrote the first settings file) and of a shortcut
// that another program holds, in a balloon: nothing modal may cover a presentation. When
// the icon is not in the notification area yet, the balloon follows it there.
void showStartNotice(ShortcutClaims claims);
// Takes the icon out of the notification area when the program ends, so no dead icon
// stays behind.
void removeTrayIcon();
