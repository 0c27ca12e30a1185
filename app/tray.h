// The notification-area icon and its menu.
#pragma once
#include <windows.h>

constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayCallbackMessage = 987;

extern HMENU trayMenu;

void initTray();
void onTrayCallback(LPARAM mouseMessage);
// Takes the icon out of the notification area when the program ends, so no dead icon
// stays behind.
void removeTrayIcon();
