#include "options/options_window.h"

#include "input/shortcut_registration.h"
#include "input/spotlight_timer.h"
#include "options/control_binding.h"
#include "options/options_layout.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "res/resource.h"
#include "settings/option_table.h"
#include "settings/platform.h"
#include "settings/settings_file.h"
#include "settings/startup_entry.h"

#include "orbiqa_names.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>

HWND optionsWindow;
HWND tabControl;
unsigned char isOptsVisible;
HFONT labelFont;
int optionsWidth;
OptionsAppliedFunction optionsAppliedFunction;

static constexpr char kLetterAloneMessage[] = "A letter key needs CTRL or ALT: alone, it would be taken from "
                                              "typing in every program. Please change it.";
static constexpr int kMainPageIndex = 0;
static constexpr int kMiscPageIndex = 1;
static constexpr int kLabelFontPoints = 10;
static constexpr int kPointsPerInch = 72;

// The settings in force when the window opened: what a throw-away goes back to when the
// settings file cannot be read, rather than keeping the edits it is meant to discard.
static int16_t valuesWhenOpened[kOptionCount];
// An OK whose shortcuts were refused has given up the old registrations, and may hold half
// of the new pair; a throw-away must then claim the restored shortcuts again.
static bool registrationsChanged;

HFONT makeLabelFont(int dpi)
{
    return CreateFontA(-MulDiv(kLabelFontPoints, dpi, kPointsPerInch), 0, 0, 0, FW_THIN, FALSE, FALSE, FALSE,
                       0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "Arial Bold");
}

static void addTab(int index, const char* text)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    SendMessageA(tabControl, TCM_INSERTITEMA, WPARAM(index), LPARAM(&item));
}

static void placePages()
{
    RECT tab;
    GetWindowRect(tabControl, &tab);
    MapWindowPoints(nullptr, optionsWindow, reinterpret_cast<POINT*>(&tab), 2);
    RECT firstItem = {};
    SendMessageA(tabControl, TCM_GETITEMRECT, 0, LPARAM(&firstItem));
    PageRect page = pageRectInTab(tab.left, tab.top, tab.right, tab.bottom, firstItem.bottom - firstItem.top);
    SetWindowPos(mainPage, HWND_TOP, page.x, page.y, page.width, page.height, 0);
    SetWindowPos(miscPage, HWND_TOP, page.x, page.y, page.width, page.height, 0);
}

void createOptionsWindow()
{
    optionsWindow =
        CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, optionsDialogProc, 0);
    mainPage =
        CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_MAIN_PAGE), optionsWindow, optionsDialogProc, 0);
    miscPage =
        CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_MISC_PAGE), optionsWindow, optionsDialogProc, 0);

    tabControl = GetDlgItem(optionsWindow, IDC_TAB_CONTROL);
    SendMessageA(tabControl, TCM_DELETEALLITEMS, 0, 0);
    addTab(kMainPageIndex, "Main");
    addTab(kMiscPageIndex, "Misc");
    placePages();

    // A focus change selects the tab and notifies the window, which shows its page. Going
    // through tab 1 first makes sure there is a change, even when the wanted tab is the
    // one already selected, so the page shown always matches the tab.
    int wantedPage = optionValues[optionsPage];
    SendMessageA(tabControl, TCM_SETCURFOCUS, kMiscPageIndex, 0);
    SendMessageA(tabControl, TCM_SETCURFOCUS, WPARAM(wantedPage), 0);
}

// The pages lie above the buttons, so the first tab stop is the shown page's first control.
static void focusFirstControl()
{
    SendMessageA(optionsWindow, WM_NEXTDLGCTL, WPARAM(GetNextDlgTabItem(optionsWindow, nullptr, FALSE)),
                 TRUE);
}

void turnOptionsPage(bool backwards)
{
    int pages = int(SendMessageA(tabControl, TCM_GETITEMCOUNT, 0, 0));
    if (pages < 2)
        return;
    int shown = int(SendMessageA(tabControl, TCM_GETCURSEL, 0, 0));
    SendMessageA(tabControl, TCM_SETCURFOCUS, WPARAM((shown + (backwards ? pages - 1 : 1)) % pages), 0);
    // The focus was on the page that is now hidden.
    focusFirstControl();
}

void measureOptionsWidth()
{
    RECT optionsRect = {};
    GetWindowRect(optionsWindow, &optionsRect);
    optionsWidth = optionsRect.right - optionsRect.left;
}

void showOptions()
{
    // Opened again while showing, the edits so far are not what was in force.
    if (isOptsVisible != 1)
        memcpy(valuesWhenOpened, optionValues, sizeof valuesWhenOpened);
    isOptsVisible = 1;
    optionsShown(optionsWindow);
    // The overlay only dims behind the window; the options window itself takes the focus.
    ShowWindow(overlayWindow, SW_SHOWNA);
    SetWindowPos(overlayWindow, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    // On the primary monitor, measured anew: the display or its scale may have changed since.
    const MonitorRect& primary = monitorLayout.monitors[monitorLayout.primary];
    measureOptionsWidth();
    SetWindowPos(optionsWindow, HWND_TOPMOST,
                 primary.left + optionsWindowX(primary.right - primary.left, optionsWidth),
                 primary.top + kOptionsWindowY, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    // Opened from the tray, another program has the keyboard until the window takes it.
    SetForegroundWindow(optionsWindow);
    focusFirstControl();
    drawPreview();
}

static void showSelectedPage()
{
    optionValues[optionsPage] = int16_t(SendMessageA(tabControl, TCM_GETCURSEL, 0, 0));
    ShowWindow(mainPage, optionValues[optionsPage] == kMainPageIndex ? SW_SHOWNORMAL : SW_HIDE);
    ShowWindow(miscPage, optionValues[optionsPage] == kMiscPageIndex ? SW_SHOWNORMAL : SW_HIDE);
}

static void livePreview()
{
    readDialog();
    fillOverlay();
    loadSpotlightImage();
    drawPreview();
}

static void hideOptions()
{
    ShowWindow(optionsWindow, SW_HIDE);
    ShowWindow(overlayWindow, SW_HIDE);
    isOptsVisible = 0;
    optionsShown(nullptr);
}

static void applyOptions()
{
    readDialog();
    registrationsChanged = true;
    // The message has no owner, so the window stays usable while it shows.
    ShortcutClaims claims = registerShortcuts();
    if (!claims.spotlight || !claims.highlight || !claims.pointer) {
        showMessage(claims.letterAlone ? kLetterAloneMessage
                                       : "One of the shortcut keys is already taken. Please change it.",
                    kNoticeCaption);
        return;
    }
    registrationsChanged = false;
    saveOptions();
    loadSpotlightImage();
    hideOptions();
    // Only here, where the user has just chosen: at start-up, perhaps at log-on before a
    // presentation, nothing is said about it.
    if (updateStartupEntry() == StartupEntryResult::machineValueKept)
        showMessage("Windows will still start " ORBIQA_NAME
                    " for every user until this option is turned off in " ORBIQA_NAME
                    " run as administrator.",
                    kNoticeCaption);
    if (optionsAppliedFunction)
        optionsAppliedFunction();
}

// Throws away every change since the window opened: the file is the truth again, and
// what it does not say (or all, when it cannot be read) is what was in force before.
static void discardChanges()
{
    memcpy(optionValues, valuesWhenOpened, sizeof valuesWhenOpened);
    loadOptions();
    fillDialog();
    if (registrationsChanged)
        registerShortcuts();
    registrationsChanged = false;
    loadSpotlightImage();
    fillOverlay();
    hideOptions();
}

// Puts the defaults into the table and every control, and stays on the page shown;
// nothing is saved until OK, and Cancel still goes back to the file.
static void restoreDefaults()
{
    int shownPage = int(SendMessageA(tabControl, TCM_GETCURSEL, 0, 0));
    setDefaultValues();
    fillDialog();
    optionValues[optionsPage] = int16_t(shownPage);
}

// The caption is freed from the old font only once it holds the new one.
static void followOptionsScale(int dpi)
{
    HFONT oldFont = labelFont;
    labelFont = makeLabelFont(dpi);
    SendDlgItemMessageA(mainPage, IDC_OPACITY_CAPTION, WM_SETFONT, WPARAM(labelFont), TRUE);
    DeleteObject(oldFont);
}

// The colours the user mixed stay offered for the whole run, as the colour dialog's own
// custom colours.
static COLORREF customColours[16];

// The standard colour dialog over the options window, with the colour in force chosen. Its
// OK puts the choice into the table only; the options window's own OK saves it.
static void chooseColour(int redKey, uint32_t fallback)
{
    // The table keeps 0xRRGGBB, the dialog 0x00BBGGRR.
    const uint32_t colour = colourOption(redKey, fallback);
    CHOOSECOLORW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = optionsWindow;
    dialog.rgbResult = RGB(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF);
    dialog.lpCustColors = customColours;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (ChooseColorW(&dialog))
        setColourOption(redKey,
                        uint32_t(GetRValue(dialog.rgbResult)) << 16 |
                            uint32_t(GetGValue(dialog.rgbResult)) << 8 | GetBValue(dialog.rgbResult),
                        fallback);
}

static void onButton(int controlId)
{
    // The defaults go into the controls first, so that the preview shows them.
    if (controlId == IDC_RESTORE_DEFAULTS)
        restoreDefaults();
    else if (controlId == IDC_DIM_COLOUR)
        chooseColour(dimRed, kDefaultDimColour);
    else if (controlId == IDC_POINTER_COLOUR)
        chooseColour(pointerRed, kDefaultPointerColour);
    livePreview();
    if (controlId == IDC_OK_BUTTON)
        applyOptions();
    else if (controlId == IDC_CANCEL_BUTTON)
        discardChanges();
}

// The dialog manager sends IDOK for Enter and IDCANCEL for Esc, and posts IDCANCEL for the
// close box: each does what its button does, and only while the window shows.
static void onCommand(int controlId)
{
    if (controlId != IDOK && controlId != IDCANCEL)
        onButton(controlId);
    else if (isOptsVisible == 1)
        onButton(controlId == IDOK ? IDC_OK_BUTTON : IDC_CANCEL_BUTTON);
}

static void onOpacityScroll()
{
    int position = int(SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_GETPOS, 0, 0));
    optionValues[opacity] = int16_t(opacityAtPosition(position));
    fillOverlay();
    showOpacityLabel(position);
    drawPreview();
}

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        // mainPage is known only once its creation has returned, so the font is applied
        // while the next dialog, miscPage, initialises.
        SendDlgItemMessageA(mainPage, IDC_OPACITY_CAPTION, WM_SETFONT, WPARAM(labelFont), FALSE);
        break;
    case WM_NOTIFY:
        // Any process can send this message; one without a header is not ours.
        if (lParam && reinterpret_cast<NMHDR*>(lParam)->code == UINT(TCN_SELCHANGE))
            showSelectedPage();
        break;
    case WM_COMMAND:
        // Clicks only: list notifications carry a code of their own.
        if (HIWORD(wParam) == BN_CLICKED)
            onCommand(LOWORD(wParam));
        break;
    case WM_DPICHANGED:
        if (dialog == optionsWindow)
            followOptionsScale(HIWORD(wParam));
        break;
    case WM_HSCROLL:
        if (HWND(lParam) == GetDlgItem(dialog, IDC_OPACITY_TRACKBAR))
            onOpacityScroll();
        break;
    }
    return FALSE;
}
