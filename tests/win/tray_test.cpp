#include "win_test_support.h"

#include "app/app.h"
#include "app/tray.h"
#include "options/options_window.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

// The icon, from the program's folder, goes into the notification area; a double click on
// it opens the options, and a release of the right button does nothing.
TEST(Tray, IconFromItsFileAndADoubleClickOpensTheOptions)
{
    static int optionsRequests = 0;
    ensureShellWindows();
    joinBounded(programDir, kPathBufferSize, {kDistDir});
    openOptionsFunction = [] { ++optionsRequests; };
    tipsShown.clear();
    initTray();
    EXPECT_TRUE(trayIcon && tipsShown.size() == 1) << programDir;

    SendMessageA(overlayWindow, kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
    SendMessageA(overlayWindow, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_EQ(optionsRequests, 1);
    removeTrayIcon();
    openOptionsFunction = showOptions;

    // Without the icon file the program's own icon stands in: never an empty slot.
    joinBounded(programDir, kPathBufferSize, {kDistDir, L"\\no-such-folder"});
    initTray();
    EXPECT_TRUE(trayIcon && tipsShown.size() == 2);
    removeTrayIcon();
}
