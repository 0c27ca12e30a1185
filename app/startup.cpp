#include "app/app.h"
#include "app/tray.h"
#include "input/key_lists.h"
#include "input/shortcut_registration.h"
#include "input/spotlight_timer.h"
#include "options/control_binding.h"
#include "options/options_window.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "settings/startup_entry.h"

#include <commctrl.h>

#include "orbiqa_names.h"
#include "orbiqa_version.h"

#include <cstdio>

unsigned char quitRequested;

static constexpr DWORD kLayeredToolExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
static constexpr BYTE kOutlineAlpha = 20;
static constexpr COLORREF kOutlineColour = RGB(121, 160, 253);

const char* createShellWindows()
{
    blendFunction = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

    // The class brush is all that the outline window ever shows.
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = spotWindowProc;
    windowClass.hInstance = appInstance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(kOutlineColour);
    windowClass.lpszClassName = kWindowClassName;
    if (!RegisterClassExA(&windowClass))
        return "the window class";

    // One overlay spans every monitor; the primary one is dimmed until the cursor leaves it.
    readMonitors();
    activeMonitor = monitorLayout.primary;
    scaleMaskFor(spotlightScaling, monitorLayout, activeMonitor);

    overlayWindow = CreateWindowExA(kLayeredToolExStyle, kWindowClassName, "", WS_OVERLAPPED, screenRect.left,
                                    screenRect.top, screenWidth(), screenHeight(), nullptr, nullptr,
                                    appInstance, nullptr);
    if (!overlayWindow)
        return "the overlay window";
    overlayDC = GetDC(overlayWindow);

    // With WS_VISIBLE and a default x, the system takes y as the show command: 0 hides it.
    outlineWindow = CreateWindowExA(kLayeredToolExStyle, kWindowClassName, "", WS_VISIBLE, CW_USEDEFAULT, 0,
                                    CW_USEDEFAULT, 0, nullptr, nullptr, appInstance, nullptr);
    SetLayeredWindowAttributes(outlineWindow, 0, kOutlineAlpha, LWA_ALPHA);
    SetWindowLongA(outlineWindow, GWL_STYLE, GetWindowLongA(outlineWindow, GWL_STYLE) & ~WS_CAPTION);
    SetWindowPos(outlineWindow, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE);

    // Shown without activation, so that the keys typed after log-on reach the window that
    // had them; and not by ShowWindow, which may take the start's show command instead
    // (a shortcut set to run minimized) and leave the overlay minimized for good.
    SetWindowPos(overlayWindow, nullptr, screenRect.left, screenRect.top, screenWidth(), screenHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(overlayWindow);

    surfaceDC = CreateCompatibleDC(overlayDC);
    labelFont = makeLabelFont(GetDeviceCaps(overlayDC, LOGPIXELSY));
    if (!createOverlaySurface())
        return "the overlay surface";
    return nullptr;
}

void initCommonControls()
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
}

void restrictDllSearch()
{
    // Only Windows 7 with KB2533623 and later have it; elsewhere the search stays as it was.
    auto setDefaultDllDirectories =
        systemFunction<BOOL(WINAPI*)(DWORD)>("kernel32.dll", "SetDefaultDllDirectories");
    if (setDefaultDllDirectories)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HANDLE singleInstanceMutex;

// A named object decides at once and atomically, where looking for the options window
// lets two quick starts both pass and lets any window of that title block the start.
// The Local namespace makes it one copy per user session.
static bool anotherCopyRunning()
{
    singleInstanceMutex = CreateMutexA(nullptr, FALSE, kSingleInstanceMutexName);
    DWORD error = GetLastError();
    if (singleInstanceMutex && error == ERROR_ALREADY_EXISTS) {
        CloseHandle(singleInstanceMutex);
        singleInstanceMutex = nullptr;
        return true;
    }
    // Another user's copy in this session owns the name and keeps us out of it.
    return !singleInstanceMutex && error == ERROR_ACCESS_DENIED;
}

bool startOrbiqa(HINSTANCE instance)
{
    appInstance = instance;

    if (anotherCopyRunning()) {
        showMessage("Only one instance of " ORBIQA_NAME " can run at a time", kNoticeCaption);
        return false;
    }

    // Without these there would be no window and no icon: a program running on invisibly,
    // with no way to reach or end it.
    if (const char* missing = createShellWindows()) {
        char text[160];
        snprintf(text, sizeof text, ORBIQA_NAME " could not start: %s could not be created.", missing);
        showMessage(text, kNoticeCaption);
        return false;
    }
    initCommonControls();
    createOptionsWindow();
    fillKeyCombo(GetDlgItem(miscPage, IDC_SPOTLIGHT_KEY_LIST));
    fillKeyCombo(GetDlgItem(miscPage, IDC_HIGHLIGHT_KEY_LIST));
    fillOptionalKeyCombo(GetDlgItem(miscPage, IDC_POINTER_KEY_LIST));
    setDefaults();
    initPaths();
    // A settings file that cannot be read now leaves the program on its defaults, shown in
    // the window too, so that the shortcuts and a later OK start from them; the Run value
    // waits for settings that were really the user's.
    bool settingsRead = loadOptions();
    fillDialog();
    // After the settings and programDir are known, so the Run value holds the real path.
    // An "off" that cannot take effect is said only on OK: a start at log-on shows no box.
    if (settingsRead)
        updateStartupEntry();
    ShortcutClaims claims = registerShortcuts();
    fillOverlay();
    initTray();
    showStartNotice(claims);
    loadSpotlightImage();
    // The first tick stops the timer again unless the overlay shows (toggle mode can show it
    // from the start) or a key is held.
    listenForShortcutKeys(overlayWindow);
    runSpotlightTimer();

    measureOptionsWidth();
    SendMessageA(GetDlgItem(miscPage, IDC_VERSION_LABEL), WM_SETTEXT, 0, LPARAM(ORBIQA_VERSION_TEXT));
    return true;
}

// A loop of our own must hand the options window's keys to the dialog manager, or Tab, the
// arrows, Space, Enter and Esc do nothing there; CTRL+Tab turns its page, as in any
// window with tabs.
void dispatchMessage(MSG& message)
{
    if (isOptsVisible == 1 && (message.hwnd == optionsWindow || IsChild(optionsWindow, message.hwnd))) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
            turnOptionsPage(GetKeyState(VK_SHIFT) < 0);
            return;
        }
        if (IsDialogMessageA(optionsWindow, &message))
            return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runMessageLoop()
{
    MSG message;
    for (;;) {
        BOOL fetched = GetMessageA(&message, nullptr, 0, 0);
        // WM_QUIT, or a broken queue: either way the program ends, with 0 as always.
        if (fetched == 0 || fetched == -1)
            return 0;
        // Exit from the tray menu is seen at the next message; the menu posts one.
        if (quitRequested == 1)
            return 0;
        dispatchMessage(message);
    }
}
