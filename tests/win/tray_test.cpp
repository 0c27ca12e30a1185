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
#include <string>

namespace {

int optionsRequests;
void countOptionsRequest()
{
    ++optionsRequests;
}

// Whether the shell holds our icon: changing an icon that is not there fails.
bool trayIconPresent()
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = overlayWindow;
    record.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

std::string menuText(int position)
{
    char text[64] = "";
    GetMenuStringA(trayMenu, UINT(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

// What the timer does once the tray menu is open, and what it saw.
enum class MenuAction { dismiss, chooseFirst, chooseSecond };
MenuAction menuAction;
bool menuSeen;
RECT menuRect;
int menuTimerTicks;

HWND openMenuWindow()
{
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// Runs inside the menu's modal loop. Keys posted to the thread's queue drive the menu
// as the user's keys would.
void CALLBACK driveMenu(HWND, UINT, UINT_PTR, DWORD)
{
    // Never leave the test stuck in a menu that did not react.
    if (++menuTimerTicks > 100) {
        EndMenu();
        return;
    }
    HWND menu = openMenuWindow();
    if (!menu || menuSeen)
        return;
    menuSeen = true;
    GetWindowRect(menu, &menuRect);
    switch (menuAction) {
    case MenuAction::dismiss: EndMenu(); return;
    case MenuAction::chooseFirst: PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0); break;
    case MenuAction::chooseSecond:
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        break;
    }
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

class Tray : public testing::Test {
  protected:
    void SetUp() override
    {
        ensureShellWindows();
        snprintf(programDir, sizeof programDir, "%s", distDir().c_str());
        openOptionsFunction = countOptionsRequest;
        optionsRequests = 0;
        quitRequested = 0;
        initTray();
    }
    void TearDown() override
    {
        removeTrayIcon();
        openOptionsFunction = showOptions;
        quitRequested = 0;
    }
};

} // namespace

TEST_F(Tray, IconFromTheProgramFolderAndAMenuBuiltOnce)
{
    EXPECT_NE(trayIcon, nullptr) << programDir;
    EXPECT_TRUE(trayIconPresent());

    const HMENU firstMenu = trayMenu;
    initTray();
    EXPECT_EQ(trayMenu, firstMenu);
    ASSERT_EQ(GetMenuItemCount(trayMenu), 2);
    EXPECT_EQ(menuText(0), "Options...");
    EXPECT_EQ(GetMenuItemID(trayMenu, 0), kTrayOptionsCommand);
    EXPECT_EQ(menuText(1), "Exit");
    EXPECT_EQ(GetMenuItemID(trayMenu, 1), kTrayExitCommand);
    EXPECT_EQ(GetMenuDefaultItem(trayMenu, TRUE, 0), 0u) << "Options... is the bold default";
}

TEST_F(Tray, IconComesBackWhenTheShellRestartsAndGoesAtExit)
{
    ASSERT_NE(taskbarCreatedMessage, 0u);
    ASSERT_TRUE(trayIconPresent());

    // A restarted shell has lost the icon and announces itself.
    removeTrayIcon();
    ASSERT_FALSE(trayIconPresent());
    SendMessageA(overlayWindow, taskbarCreatedMessage, 0, 0);
    EXPECT_TRUE(trayIconPresent());

    removeTrayIcon();
    EXPECT_FALSE(trayIconPresent());
}

TEST_F(Tray, CallbackActsOnDoubleClickAndRightButtonOnly)
{
    struct {
        LPARAM mouseMessage;
        int optionsRequests;
    } cases[] = {
        {WM_LBUTTONDBLCLK, 1}, {WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0},
        {WM_RBUTTONUP, 0},     {WM_MOUSEMOVE, 0},   {WM_RBUTTONDBLCLK, 0},
    };
    for (auto c : cases) {
        optionsRequests = 0;
        EXPECT_EQ(SendMessageA(overlayWindow, kTrayCallbackMessage, kTrayIconId, c.mouseMessage), 0);
        EXPECT_EQ(optionsRequests, c.optionsRequests) << c.mouseMessage;
        EXPECT_EQ(quitRequested, 0) << c.mouseMessage;
    }
}

TEST_F(Tray, RightButtonOpensTheMenuAtTheCursorAndActsOnTheChoice)
{
    struct {
        MenuAction action;
        int optionsRequests;
        int quitRequested;
        const char* what;
    } cases[] = {
        {MenuAction::dismiss, 0, 0, "dismissed"},
        {MenuAction::chooseFirst, 1, 0, "Options..."},
        {MenuAction::chooseSecond, 0, 1, "Exit"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        optionsRequests = 0;
        quitRequested = 0;
        menuAction = c.action;
        menuSeen = false;
        menuTimerTicks = 0;
        moveCursor(300, 200);
        UINT_PTR timer = SetTimer(nullptr, 0, 50, driveMenu);

        SendMessageA(overlayWindow, kTrayCallbackMessage, kTrayIconId, WM_RBUTTONDOWN);
        KillTimer(nullptr, timer);

        ASSERT_TRUE(menuSeen);
        EXPECT_EQ(menuRect.left, 300);
        EXPECT_EQ(menuRect.top, 200);
        EXPECT_EQ(openMenuWindow(), nullptr) << "the menu closed";
        EXPECT_EQ(optionsRequests, c.optionsRequests);
        EXPECT_EQ(quitRequested, c.quitRequested);
    }
}
