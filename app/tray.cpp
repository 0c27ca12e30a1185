#include "app/tray.h"

#include "app/app.h"
#include "app/tray_icon_path.h"
#include "app/tray_text.h"
#include "options/options_window.h"
#include "res/resource.h"
#include "settings/option_table.h"
#include "settings/paths.h"
#include "settings/settings_file.h"

#include <cstdio>

HMENU trayMenu;
HICON trayIcon;
UINT taskbarCreatedMessage;
OptionsOpener openOptionsFunction = showOptions;
NotifyIconFunction notifyIconFunction = Shell_NotifyIconA;

// The record layout with the 128-character tip and the balloon fields. The constant
// gives each build its own correct size (488 bytes in the 32-bit one).
static constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V2_SIZE;
static_assert(sizeof(void*) != 4 || kTrayRecordSize == 488, "the 32-bit record is 488 bytes");
static_assert(sizeof NOTIFYICONDATAA::szTip == kTrayTipSize &&
                  sizeof NOTIFYICONDATAA::szInfo == kBalloonTextSize &&
                  sizeof NOTIFYICONDATAA::szInfoTitle == kBalloonTitleSize,
              "the texts are built for the record's fields");

static constexpr UINT kLeftDoubleClick = WM_LBUTTONDBLCLK; // 515
static constexpr UINT kRightButtonDown = WM_RBUTTONDOWN;   // 516

static NOTIFYICONDATAA trayRecord()
{
    NOTIFYICONDATAA record = {};
    record.cbSize = kTrayRecordSize;
    record.hWnd = overlayWindow;
    record.uID = kTrayIconId;
    return record;
}

static TrayShortcuts shortcutsAsSet()
{
    const PointerShortcut pointer = pointerShortcut();
    return {optionValues[spotlightModifiers],
            optionValues[spotlightKey],
            optionValues[highlightModifiers],
            optionValues[highlightKey],
            isOptionOn(holdMode),
            pointer.modifiers,
            pointer.key};
}

// A balloon waiting for the icon: its flags hold NIF_INFO until the shell has taken it.
static NOTIFYICONDATAA pendingNotice;

static void sendPendingNotice()
{
    if ((pendingNotice.uFlags & NIF_INFO) && notifyIconFunction(NIM_MODIFY, &pendingNotice))
        pendingNotice.uFlags = 0;
}

void showStartNotice(ShortcutClaims claims)
{
    pendingNotice = trayRecord();
    if (!startNoticeText(shortcutsAsSet(), settingsFileCreated, !claims.spotlight, !claims.highlight,
                         pendingNotice.szInfo, sizeof pendingNotice.szInfo, !claims.pointer))
        return;
    pendingNotice.uFlags = NIF_INFO;
    pendingNotice.dwInfoFlags =
        claims.spotlight && claims.highlight && claims.pointer ? NIIF_INFO : NIIF_WARNING;
    snprintf(pendingNotice.szInfoTitle, sizeof pendingNotice.szInfoTitle, "%s", kBalloonTitle);
    sendPendingNotice();
}

void refreshTrayTip()
{
    NOTIFYICONDATAA record = trayRecord();
    record.uFlags = NIF_TIP;
    trayTipText(shortcutsAsSet(), record.szTip, sizeof record.szTip);
    notifyIconFunction(NIM_MODIFY, &record);
}

// At log-on the shell may not take icons yet; without the icon there is no way into
// Options or Exit, so a failed add is tried again for a while.
static constexpr UINT kTrayRetryMs = 2000;
static constexpr int kTrayRetryAttempts = 15;
static int trayRetriesLeft;

static bool addTrayIconOnce()
{
    NOTIFYICONDATAA record = trayRecord();
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = trayIcon;
    trayTipText(shortcutsAsSet(), record.szTip, sizeof record.szTip);
    if (!notifyIconFunction(NIM_ADD, &record))
        return false;
    sendPendingNotice();
    return true;
}

void addTrayIcon()
{
    if (addTrayIconOnce())
        return;
    trayRetriesLeft = kTrayRetryAttempts;
    SetTimer(overlayWindow, kTrayRetryTimerId, kTrayRetryMs, nullptr);
}

void retryTrayIcon()
{
    if (addTrayIconOnce() || --trayRetriesLeft <= 0)
        KillTimer(overlayWindow, kTrayRetryTimerId);
}

// An elevated program does not receive the shell's broadcast from the user's ordinary
// Explorer unless it lets the message through; looked up because Vista lacks the call.
static void allowTaskbarCreated()
{
    auto changeFilter =
        systemFunction<BOOL(WINAPI*)(HWND, UINT, DWORD, void*)>("user32.dll", "ChangeWindowMessageFilterEx");
    if (changeFilter && taskbarCreatedMessage != 0)
        changeFilter(overlayWindow, taskbarCreatedMessage, MSGFLT_ALLOW, nullptr);
}

void removeTrayIcon()
{
    NOTIFYICONDATAA record = trayRecord();
    notifyIconFunction(NIM_DELETE, &record);
}

void initTray()
{
    wchar_t iconPath[kPathBufferSize];
    trayIcon = nullptr;
    if (buildTrayIconPath(programDir, iconPath, kPathBufferSize))
        trayIcon = HICON(LoadImageW(appInstance, iconPath, IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    // An entry without an image is an invisible slot, the only way in lost: the program's
    // own icon stands in for a missing or unreadable file.
    if (!trayIcon)
        trayIcon = HICON(LoadImageA(appInstance, MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));

    optionsAppliedFunction = refreshTrayTip;
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    allowTaskbarCreated();
    addTrayIcon();

    if (trayMenu)
        return;
    // Inserted by position past the end, so each item appends.
    trayMenu = CreatePopupMenu();
    InsertMenuA(trayMenu, 1, MF_BYPOSITION | MF_STRING, kTrayOptionsCommand, "Options...");
    InsertMenuA(trayMenu, 2, MF_BYPOSITION | MF_STRING, kTrayExitCommand, "Exit");
    SetMenuDefaultItem(trayMenu, 0, TRUE);
}

static void showTrayMenu()
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    // A menu needs an owner window in the foreground to close when the user clicks
    // elsewhere; until the options window exists, the overlay stands in.
    HWND owner = tabControl ? tabControl : overlayWindow;
    SetForegroundWindow(owner);
    UINT command = UINT(TrackPopupMenu(trayMenu, TPM_RETURNCMD, cursor.x, cursor.y, 0, owner, nullptr));
    // Lets the owner see a message after the menu, or the next right click's menu may not
    // close when the user clicks away from it.
    PostMessageA(owner, WM_NULL, 0, 0);

    if (command == kTrayOptionsCommand)
        openOptionsFunction();
    else if (command == kTrayExitCommand)
        quitRequested = 1; // the message loop ends at its next message
}

void onTrayCallback(LPARAM mouseMessage)
{
    if (mouseMessage == kLeftDoubleClick)
        openOptionsFunction();
    else if (mouseMessage == kRightButtonDown)
        showTrayMenu();
}
