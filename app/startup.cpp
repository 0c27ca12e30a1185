#include "app/app.h"
#include "app/tray.h"
#include "input/key_lists.h"
#include "input/shortcut_registration.h"
#include "options/control_binding.h"
#include "options/options_window.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "settings/startup_entry.h"

#include <commctrl.h>

#include "orbiqa_version.h"

unsigned char quitRequested;

static constexpr DWORD kLayeredToolExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
static constexpr BYTE kOutlineAlpha = 20;
static constexpr COLORREF kOutlineColour = RGB(121, 160, 253);
static constexpr int kLabelFontPoints = 10;
static constexpr int kPointsPerInch = 72;

void createShellWindows(int showCommand)
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
    RegisterClassExA(&windowClass);

    GetWindowRect(GetDesktopWindow(), &screenRect);

    overlayWindow = CreateWindowExA(kLayeredToolExStyle, kWindowClassName, "", WS_OVERLAPPED, 0, 0,
                                    screenWidth(), screenHeight(), nullptr, nullptr, appInstance, nullptr);
    overlayDC = GetDC(overlayWindow);

    // With WS_VISIBLE and a default x, the system takes y as the show command: 0 hides it.
    outlineWindow = CreateWindowExA(kLayeredToolExStyle, kWindowClassName, "", WS_VISIBLE, CW_USEDEFAULT, 0,
                                    CW_USEDEFAULT, 0, nullptr, nullptr, appInstance, nullptr);
    SetLayeredWindowAttributes(outlineWindow, 0, kOutlineAlpha, LWA_ALPHA);
    SetWindowLongA(outlineWindow, GWL_STYLE, GetWindowLongA(outlineWindow, GWL_STYLE) & ~WS_CAPTION);
    SetWindowPos(outlineWindow, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE);

    SetWindowPos(overlayWindow, nullptr, 0, 0, screenWidth(), screenHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(overlayWindow, showCommand);
    UpdateWindow(overlayWindow);

    surfaceDC = CreateCompatibleDC(overlayDC);
    labelFont = CreateFontA(-MulDiv(kLabelFontPoints, GetDeviceCaps(overlayDC, LOGPIXELSY), kPointsPerInch),
                            0, 0, 0, FW_THIN, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial Bold");
    createOverlaySurface();
}

void initCommonControls()
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
}

bool startOrbiqa(HINSTANCE instance, int showCommand)
{
    appInstance = instance;

    // The options window exists, hidden or shown, for the whole life of a running copy.
    if (FindWindowA(nullptr, kOptionsWindowTitle)) {
        showMessage("Only one instance of Orbiqa can run at a time", "Quorvel");
        return false;
    }

    createShellWindows(showCommand);
    initCommonControls();
    createOptionsWindow();
    fillKeyCombo(GetDlgItem(miscPage, IDC_SPOTLIGHT_KEY_LIST));
    fillKeyCombo(GetDlgItem(miscPage, IDC_HIGHLIGHT_KEY_LIST));
    setDefaults();
    initPaths();
    loadOptionsIntoDialog();
    // After the settings and programDir are known, so the Run value holds the real path.
    updateStartupEntry();
    registerShortcuts();
    fillOverlay();
    initTray();
    loadSpotlightImage();
    SetTimer(overlayWindow, kSpotlightTimerId, kSpotlightTimerMs, nullptr);

    RECT optionsRect = {};
    GetWindowRect(optionsWindow, &optionsRect);
    optionsWidth = optionsRect.right - optionsRect.left;
    SendMessageA(GetDlgItem(miscPage, IDC_VERSION_LABEL), WM_SETTEXT, 0, LPARAM(ORBIQA_VERSION_TEXT));
    return true;
}

int runMessageLoop()
{
    MSG message;
    for (;;) {
        BOOL fetched = GetMessageA(&message, nullptr, 0, 0);
        // WM_QUIT, or a broken queue: either way the program ends, with 0 as always.
        if (fetched == 0 || fetched == -1)
            return 0;
        // Exit from the tray menu is seen at the next message; the 10 ms timer brings one.
        if (quitRequested == 1)
            return 0;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
