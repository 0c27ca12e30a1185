#include "win_test_support.h"

#include "app/app.h"
#include "app/tray.h"
#include "options/options_window.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdio>

// Changing an icon that the shell does not hold fails.
static bool trayIconPresent()
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = overlayWindow;
    record.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

// The icon, from the program's folder, comes back when the shell restarts; a double click
// on it opens the options, and a release of the right button does nothing.
TEST(Tray, IconReturnsWithTheShellAndADoubleClickOpensTheOptions)
{
    static int optionsRequests = 0;
    ensureShellWindows();
    joinBounded(programDir, kPathBufferSize, {kDistDir});
    openOptionsFunction = [] { ++optionsRequests; };
    initTray();
    EXPECT_TRUE(trayIcon && trayIconPresent()) << programDir;
    removeTrayIcon();
    EXPECT_FALSE(trayIconPresent());
    SendMessageA(overlayWindow, taskbarCreatedMessage, 0, 0);
    EXPECT_TRUE(trayIconPresent());

    SendMessageA(overlayWindow, kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
    SendMessageA(overlayWindow, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_EQ(optionsRequests, 1);
    removeTrayIcon();
    openOptionsFunction = showOptions;

    // Without the icon file the program's own icon stands in: never an empty slot.
    joinBounded(programDir, kPathBufferSize, {kDistDir, L"\\no-such-folder"});
    initTray();
    EXPECT_TRUE(trayIcon && trayIconPresent());
    removeTrayIcon();
}
