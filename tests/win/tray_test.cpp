#include "injected_input.h"
#include "win_test_support.h"

#include "app/app.h"
#include "app/tray.h"
#include "options/options_window.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdio>

namespace {

int optionsRequests, menuDowns, menuTicks;
RECT menuRect;

// What the user does in the open tray menu, posted from a timer that the menu's modal
// loop runs: Down this many times, then Return.
void CALLBACK driveMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND menu = FindWindowA("#32768", nullptr);
    if (++menuTicks > 100) {
        EndMenu(); // never leave the test stuck in a menu that did not react
    } else if (!menuRect.right && menu && IsWindowVisible(menu)) {
        GetWindowRect(menu, &menuRect);
        for (int i = 0; i < menuDowns; ++i)
            PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    }
}

// Changing an icon that the shell does not hold fails.
bool trayIconPresent()
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = overlayWindow;
    record.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

} // namespace

// The icon, from the program's folder, comes back when the shell restarts. A double click
// opens the options; the right button opens the menu at the cursor, whose first item
// opens the options and whose second asks the program to end.
TEST(Tray, IconReturnsWithTheShellAndTheCallbackActsOnTheChoice)
{
    ensureShellWindows();
    snprintf(programDir, sizeof programDir, "%s", distDir().c_str());
    openOptionsFunction = [] { ++optionsRequests; };
    initTray();
    EXPECT_TRUE(trayIcon && trayIconPresent()) << programDir;
    removeTrayIcon();
    EXPECT_FALSE(trayIconPresent());
    SendMessageA(overlayWindow, taskbarCreatedMessage, 0, 0);
    EXPECT_TRUE(trayIconPresent());

    struct {
        UINT mouseMessage;
        int menuDowns, optionsRequests, quitRequested;
    } cases[] = {{WM_LBUTTONDBLCLK, 0, 1, 0},
                 {WM_RBUTTONUP, 0, 0, 0},
                 {WM_RBUTTONDOWN, 1, 1, 0},
                 {WM_RBUTTONDOWN, 2, 0, 1}};
    moveCursor(300, 200);
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.mouseMessage << ", " << c.menuDowns << " down");
        optionsRequests = quitRequested = menuTicks = menuRect.right = 0;
        menuDowns = c.menuDowns;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, driveMenu);
        SendMessageA(overlayWindow, kTrayCallbackMessage, kTrayIconId, c.mouseMessage);
        KillTimer(nullptr, timer);
        EXPECT_EQ(menuRect.left == 300 && menuRect.top == 200, c.mouseMessage == WM_RBUTTONDOWN);
        EXPECT_TRUE(optionsRequests == c.optionsRequests && quitRequested == c.quitRequested);
    }
    removeTrayIcon();
    openOptionsFunction = showOptions;
    quitRequested = 0;
}
