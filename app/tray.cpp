#include "app/tray.h"

HMENU trayMenu;

void initTray() {}
void onTrayCallback(LPARAM) {}
void removeTrayIcon() {}
