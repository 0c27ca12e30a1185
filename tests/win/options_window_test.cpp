#include "win_test_support.h"

#include "app/app.h"
#include "input/highlight.h"
#include "input/key_lists.h"
#include "input/shortcut_keys.h"
#include "input/shortcut_registration.h"
#include "options/control_binding.h"
#include "options/options_window.h"
#include "overlay/overlay_surface.h"
#include "res/resource.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "settings/startup_entry.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Control {
    HWND* page;
    int id;
};

// Every check box and radio button, each the control of the settings entry of its id.
const Control kButtons[] = {
    {&mainPage, IDC_SHAPE_CIRCLE},     {&mainPage, IDC_SHAPE_RECT},     {&mainPage, IDC_SHAPE_THIN_RECT},
    {&mainPage, IDC_SIZE_SMALL},       {&mainPage, IDC_SIZE_MEDIUM},    {&mainPage, IDC_SIZE_LARGE},
    {&mainPage, IDC_SIZE_EXTRA_LARGE}, {&mainPage, IDC_BLUR},           {&mainPage, IDC_SHOW_OUTLINE},
    {&miscPage, IDC_RUN_AT_STARTUP},   {&miscPage, IDC_FORCE_TOPMOST},  {&miscPage, IDC_HOLD_MODE},
    {&miscPage, IDC_TOGGLE_MODE},      {&miscPage, IDC_SPOTLIGHT_CTRL}, {&miscPage, IDC_SPOTLIGHT_ALT},
    {&miscPage, IDC_HIGHLIGHT_CTRL},   {&miscPage, IDC_HIGHLIGHT_ALT},
};

int checkOf(HWND page, int id)
{
    return int(SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0));
}

void click(HWND page, int id)
{
    SendDlgItemMessageA(page, id, BM_CLICK, 0, 0);
}

HWND keyList(int id)
{
    return GetDlgItem(miscPage, id);
}

std::string selectedKey(int listId)
{
    char text[16] = "";
    LRESULT index = SendMessageA(keyList(listId), CB_GETCURSEL, 0, 0);
    if (index != CB_ERR)
        SendMessageA(keyList(listId), CB_GETLBTEXT, WPARAM(index), LPARAM(text));
    return text;
}

void selectKeyItem(int listId, const char* name)
{
    SendMessageA(keyList(listId), CB_SELECTSTRING, WPARAM(-1), LPARAM(name));
}

std::string labelText()
{
    char text[64] = "";
    GetDlgItemTextA(mainPage, IDC_OPACITY_LABEL, text, sizeof text);
    return text;
}

int trackbarPosition()
{
    return int(SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_GETPOS, 0, 0));
}

// Moves the thumb the way a drag does: the position changes, then the page hears of it.
void dragTrackbar(int position)
{
    HWND trackbar = GetDlgItem(mainPage, IDC_OPACITY_TRACKBAR);
    SendMessageA(trackbar, TBM_SETPOS, TRUE, position);
    SendMessageA(mainPage, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), LPARAM(trackbar));
}

bool styleVisible(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string readFile(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeFile(const char* path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
}

// Runs what the dialog procedure posted to itself (the close box's cancel click).
void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// True when nobody else may claim the combination: it is registered already.
bool combinationTaken(int modifiers, int key)
{
    constexpr int kProbeId = 0x3FFF;
    if (!RegisterHotKey(outlineWindow, kProbeId, UINT(modifiers), UINT(key)))
        return true;
    UnregisterHotKey(outlineWindow, kProbeId);
    return false;
}

const char kDefaultFile[] =
    "0=0\r\n2=175\r\n54=1\r\n55=120\r\n56=1\r\n57=121\r\n1007=1\r\n1008=0\r\n1009=1\r\n"
    "1010=1\r\n1011=1\r\n1012=0\r\n1013=1\r\n1018=1\r\n1019=0\r\n1020=0\r\n1022=0\r\n"
    "1033=1\r\n1064=0\r\n1065=0\r\n1066=1\r\n1068=1\r\n1125=0\r\n1211=0\r\n";

// The real options window, created once like at start-up, with real key lists and a
// real settings file in the test prefix.
class OptionsWindow : public testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        ensureShellWindows();
        if (!optionsWindow) {
            // As at start-up, before the defaults: every entry 0, so the Main page shows.
            memset(optionValues, 0, sizeof optionValues);
            createOptionsWindow();
            for (int listId : {IDC_SPOTLIGHT_KEY_LIST, IDC_HIGHLIGHT_KEY_LIST}) {
                fillKeyCombo(keyList(listId));
                // The lists may still be empty where the filling is not built yet.
                if (SendMessageA(keyList(listId), CB_GETCOUNT, 0, 0) == 0)
                    for (const char* name : keyNames)
                        SendMessageA(keyList(listId), CB_INSERTSTRING, WPARAM(-1), LPARAM(name));
            }
            RECT rect;
            GetWindowRect(optionsWindow, &rect);
            optionsWidth = rect.right - rect.left;
        }
    }
    void SetUp() override
    {
        recordedMessages.clear();
        setDefaults();
        initPaths();
        ASSERT_STRNE(fileOptions, "");
        writeFile(fileOptions, kDefaultFile);
        loadOptions();
        ASSERT_TRUE(recordedMessages.empty());
    }
    void TearDown() override
    {
        if (isOptsVisible)
            click(optionsWindow, IDC_CANCEL_BUTTON);
        UnregisterHotKey(overlayWindow, kSpotlightHotKeyId);
        UnregisterHotKey(overlayWindow, kHighlightHotKeyId);
        DeleteFileA(fileOptions);
        RemoveDirectoryA(settingsDir);
        pumpMessages();
    }
};

} // namespace

TEST_F(OptionsWindow, CreatedHiddenWithTheMainPageShownInsideTheTabs)
{
    EXPECT_FALSE(IsWindowVisible(optionsWindow));
    char title[64] = "";
    GetWindowTextA(optionsWindow, title, sizeof title);
    EXPECT_STREQ(title, "Orbiqa Options");
    EXPECT_EQ(FindWindowA(nullptr, "Orbiqa Options"), optionsWindow) << "the single-instance mark";

    EXPECT_EQ(SendMessageA(tabControl, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(tabControl, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(styleVisible(mainPage));
    EXPECT_FALSE(styleVisible(miscPage));

    // Both pages lie inside the tab control's border, below its tabs.
    RECT tab, item, main, misc;
    GetWindowRect(tabControl, &tab);
    SendMessageA(tabControl, TCM_GETITEMRECT, 0, LPARAM(&item));
    GetWindowRect(mainPage, &main);
    GetWindowRect(miscPage, &misc);
    EXPECT_TRUE(EqualRect(&main, &misc));
    EXPECT_TRUE(main.left > tab.left && main.right < tab.right && main.bottom < tab.bottom);
    EXPECT_GE(main.top, tab.top + item.bottom);

    // The Opacity caption gets the bold label font although mainPage was created first.
    EXPECT_EQ(HFONT(SendDlgItemMessageA(mainPage, IDC_OPACITY_CAPTION, WM_GETFONT, 0, 0)), labelFont);
}

TEST_F(OptionsWindow, TabsSwitchPagesAndTheChoiceOutlivesCancel)
{
    SendMessageA(tabControl, TCM_SETCURFOCUS, 1, 0);
    EXPECT_EQ(optionValues[optionsPage], 1);
    EXPECT_FALSE(styleVisible(mainPage));
    EXPECT_TRUE(styleVisible(miscPage));

    showOptions();
    click(optionsWindow, IDC_CANCEL_BUTTON);
    EXPECT_EQ(SendMessageA(tabControl, TCM_GETCURSEL, 0, 0), 1) << "reopens on the page it was closed on";
    EXPECT_TRUE(styleVisible(miscPage));
    EXPECT_EQ(optionValues[optionsPage], 0) << "loading resets the entry, not the tab";

    SendMessageA(tabControl, TCM_SETCURFOCUS, 0, 0);
    EXPECT_TRUE(styleVisible(mainPage));
    EXPECT_FALSE(styleVisible(miscPage));
}

TEST_F(OptionsWindow, EveryBoundControlRoundTrips)
{
    // Four settings that between them turn every control on and off, with one button
    // of each radio set on, as the dialog's own clicks leave them.
    struct Pattern {
        int16_t shape, size, mode, boxes, opacity, spotlightKey, highlightKey;
        const char* spotlightName;
        const char* highlightName;
    };
    const Pattern patterns[] = {
        {shapeRect, sizeSmall, toggleMode, 0, 50, 0x7B, 'Z', "F12", "Z"},
        {shapeThinRect, sizeMedium, holdMode, 1, 200, 'Q', 0x70, "Q", "F1"},
        {shapeCircle, sizeLarge, toggleMode, 0, 250, 'A', 0x71, "A", "F2"},
        {shapeRect, sizeExtraLarge, holdMode, 1, 25, 0x78, 0x79, "F9", "F10"},
    };
    const int radioSets[][4] = {{shapeCircle, shapeRect, shapeThinRect, 0},
                                {sizeSmall, sizeMedium, sizeLarge, sizeExtraLarge},
                                {holdMode, toggleMode, 0, 0}};
    const int boxes[] = {blurEnabled,   showOutline,  runAtStartup,  forceTopmost,
                         spotlightCtrl, spotlightAlt, highlightCtrl, highlightAlt};
    for (const Pattern& p : patterns) {
        for (const auto& set : radioSets)
            for (int key : set)
                if (key)
                    optionValues[key] = int16_t(key == p.shape || key == p.size || key == p.mode);
        int n = 0;
        for (int key : boxes)
            optionValues[key] = int16_t((n++ + p.boxes) % 2);
        optionValues[opacity] = p.opacity;
        optionValues[spotlightKey] = p.spotlightKey;
        optionValues[highlightKey] = p.highlightKey;
        optionValues[optionsPage] = 1;
        int16_t expected[kOptionCount];
        memcpy(expected, optionValues, sizeof expected);
        fillDialog();

        for (const Control& c : kButtons)
            EXPECT_EQ(checkOf(*c.page, c.id), expected[c.id])
                << "control " << c.id << ", " << p.spotlightName;
        EXPECT_EQ(trackbarPosition(), p.opacity / 25);
        EXPECT_EQ(selectedKey(IDC_SPOTLIGHT_KEY_LIST), p.spotlightName);
        EXPECT_EQ(selectedKey(IDC_HIGHLIGHT_KEY_LIST), p.highlightName);
        EXPECT_EQ(optionValues[optionsPage], 0);

        for (const Control& c : kButtons)
            optionValues[c.id] = kNoValue;
        optionValues[opacity] = optionValues[spotlightKey] = optionValues[highlightKey] = kNoValue;
        optionValues[orphanFlag] = 1;
        readDialog();

        for (const Control& c : kButtons)
            EXPECT_EQ(optionValues[c.id], expected[c.id]) << "control " << c.id << ", " << p.spotlightName;
        EXPECT_EQ(optionValues[opacity], p.opacity);
        EXPECT_EQ(optionValues[spotlightKey], p.spotlightKey);
        EXPECT_EQ(optionValues[highlightKey], p.highlightKey);
        EXPECT_EQ(optionValues[orphanFlag], 0) << "no control bears 1010";
    }
}

TEST_F(OptionsWindow, OpacityShowsTheNearestStepBelowAndTheLabelFollowsTheThumb)
{
    struct {
        int16_t opacity;
        int position;
        const char* label;
        int16_t readBack;
    } cases[] = {
        {175, 7, "70% Opaque", 175},   {130, 5, "50% Opaque", 125},   {249, 9, "90% Opaque", 225},
        {250, 10, "100% Opaque", 250}, {300, 10, "100% Opaque", 250}, {9999, 10, "100% Opaque", 250},
        {25, 1, "10% Opaque", 25},     {10, 1, "10% Opaque", 25},     {-5, 1, "10% Opaque", 25},
        {-300, 1, "10% Opaque", 25},
    };
    for (auto c : cases) {
        optionValues[opacity] = c.opacity;
        fillDialog();
        EXPECT_EQ(trackbarPosition(), c.position) << c.opacity;
        EXPECT_EQ(labelText(), c.label) << c.opacity;
        readDialog();
        EXPECT_EQ(optionValues[opacity], c.readBack) << c.opacity;
    }
}

TEST_F(OptionsWindow, OnlyAnEntryOfExactlyOneShowsChecked)
{
    for (int16_t value : {int16_t(1), int16_t(0), int16_t(2), int16_t(-1), kNoValue}) {
        optionValues[runAtStartup] = value;
        optionValues[shapeRect] = value;
        fillDialog();
        EXPECT_EQ(checkOf(miscPage, IDC_RUN_AT_STARTUP), value == 1) << value;
        EXPECT_EQ(checkOf(mainPage, IDC_SHAPE_RECT), value == 1) << value;
    }
}

TEST_F(OptionsWindow, AKeyWithoutAnItemLeavesTheListSelection)
{
    ASSERT_EQ(selectedKey(IDC_SPOTLIGHT_KEY_LIST), "F9");
    for (int16_t key : {int16_t(0x20), int16_t('a'), int16_t(0x7C), int16_t(0), int16_t(-1), kNoValue}) {
        optionValues[spotlightKey] = key;
        fillDialog();
        EXPECT_EQ(selectedKey(IDC_SPOTLIGHT_KEY_LIST), "F9") << key;
        readDialog();
        EXPECT_EQ(optionValues[spotlightKey], 0x78) << "the list's item is read back";
    }
}

TEST_F(OptionsWindow, ShowingPlacesTheWindowAtTheTopAndEndsAHighlight)
{
    highlightActive = 1;
    overlayPixels[0] = 0; // a lit pixel the highlight left
    showOptions();

    EXPECT_EQ(isOptsVisible, 1);
    EXPECT_EQ(highlightActive, 0);
    EXPECT_EQ(overlayPixels[0], dimPixel(175)) << "the surface is dimmed again for the preview";
    EXPECT_TRUE(IsWindowVisible(optionsWindow));
    EXPECT_TRUE(IsWindowVisible(overlayWindow));
    RECT rect;
    GetWindowRect(optionsWindow, &rect);
    EXPECT_EQ(rect.left, screenWidth() / 2 - optionsWidth / 2);
    EXPECT_EQ(rect.top, 10);
    EXPECT_EQ(rect.right - rect.left, optionsWidth);

    // Opening again while open only places it again.
    SetWindowPos(optionsWindow, nullptr, 0, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    showOptions();
    GetWindowRect(optionsWindow, &rect);
    EXPECT_EQ(rect.top, 10);

    click(optionsWindow, IDC_CANCEL_BUTTON);
    EXPECT_FALSE(IsWindowVisible(optionsWindow));
    EXPECT_FALSE(IsWindowVisible(overlayWindow));
    EXPECT_EQ(isOptsVisible, 0);
    EXPECT_EQ(highlightActive, 0);
}

TEST_F(OptionsWindow, ClicksAndTheTrackbarChangeTheTableAtOnce)
{
    showOptions();
    click(mainPage, IDC_SHAPE_RECT);
    EXPECT_EQ(optionValues[shapeRect], 1);
    EXPECT_EQ(optionValues[shapeCircle], 0) << "the shape set is exclusive";
    EXPECT_EQ(optionValues[sizeLarge], 1) << "the size set is a set of its own";

    click(miscPage, IDC_TOGGLE_MODE);
    EXPECT_EQ(optionValues[toggleMode], 1);
    EXPECT_EQ(optionValues[holdMode], 0);
    EXPECT_EQ(optionValues[shapeRect], 1) << "the mode set is a set of its own";

    dragTrackbar(4);
    EXPECT_EQ(optionValues[opacity], 100);
    EXPECT_EQ(labelText(), "40% Opaque");
    EXPECT_EQ(overlayPixels[0], dimPixel(100)) << "the preview dims at once";
}

TEST_F(OptionsWindow, OkClaimsTheShortcutsSavesAndCloses)
{
    showOptions();
    click(miscPage, IDC_TOGGLE_MODE);
    click(miscPage, IDC_SPOTLIGHT_CTRL); // CTRL+ALT+F9
    click(miscPage, IDC_HIGHLIGHT_ALT);  // F10 alone
    selectKeyItem(IDC_HIGHLIGHT_KEY_LIST, "K");
    click(optionsWindow, IDC_OK_BUTTON);

    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_EQ(isOptsVisible, 0);
    EXPECT_FALSE(IsWindowVisible(optionsWindow));
    EXPECT_FALSE(IsWindowVisible(overlayWindow));
    EXPECT_TRUE(combinationTaken(kModControl | kModAlt, 0x78));
    EXPECT_TRUE(combinationTaken(0, 'K'));
    EXPECT_FALSE(combinationTaken(kModAlt, 0x79)) << "the old highlight shortcut is given back";

    std::string saved = readFile(fileOptions);
    for (const char* line : {"54=3\r\n", "55=120\r\n", "56=0\r\n", "57=75\r\n", "1010=0\r\n", "1018=0\r\n",
                             "1020=1\r\n", "1064=1\r\n", "1067=120\r\n", "1068=0\r\n", "1069=75\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
}

TEST_F(OptionsWindow, ATakenShortcutKeepsTheWindowOpenAndWritesNothing)
{
    constexpr int kOtherProgramsId = 77;
    struct {
        const char* what;
        const char* highlightKeyName;
        bool takenElsewhere;
    } cases[] = {
        {"both shortcuts the same", "F9", false},
        {"held by another registration", "F10", true},
    };
    for (auto c : cases) {
        recordedMessages.clear();
        if (c.takenElsewhere) {
            ASSERT_TRUE(RegisterHotKey(outlineWindow, kOtherProgramsId, kModAlt, 0x79));
        }
        showOptions();
        click(mainPage, IDC_SIZE_SMALL);
        selectKeyItem(IDC_HIGHLIGHT_KEY_LIST, c.highlightKeyName);
        click(optionsWindow, IDC_OK_BUTTON);

        ASSERT_EQ(recordedMessages.size(), 1u) << c.what;
        EXPECT_EQ(recordedMessages[0].text, "One of the shortcut keys is already taken. Please change it.");
        EXPECT_EQ(recordedMessages[0].caption, "Quorvel");
        EXPECT_EQ(isOptsVisible, 1) << c.what;
        EXPECT_TRUE(IsWindowVisible(optionsWindow)) << c.what;
        EXPECT_EQ(readFile(fileOptions), kDefaultFile) << c.what;
        EXPECT_EQ(optionValues[sizeSmall], 1) << "the table keeps the dialog's values";

        click(optionsWindow, IDC_CANCEL_BUTTON);
        EXPECT_EQ(optionValues[sizeSmall], 0) << "Cancel goes back to the file";
        selectKeyItem(IDC_HIGHLIGHT_KEY_LIST, "F10");
        if (c.takenElsewhere)
            UnregisterHotKey(outlineWindow, kOtherProgramsId);
        UnregisterHotKey(overlayWindow, kSpotlightHotKeyId);
        UnregisterHotKey(overlayWindow, kHighlightHotKeyId);
    }
}

TEST_F(OptionsWindow, CancelAndTheCloseBoxRestoreTableControlsAndLabelFromTheFile)
{
    writeFile(fileOptions, std::string(kDefaultFile) + "2=130\r\n");
    loadOptions();
    for (UINT closing : {UINT(WM_COMMAND), UINT(WM_CLOSE)}) {
        showOptions();
        dragTrackbar(4);
        click(mainPage, IDC_SHAPE_THIN_RECT);
        click(miscPage, IDC_RUN_AT_STARTUP);
        ASSERT_EQ(optionValues[opacity], 100);

        if (closing == WM_CLOSE) {
            SendMessageA(optionsWindow, WM_CLOSE, 0, 0);
            pumpMessages();
        } else {
            click(optionsWindow, IDC_CANCEL_BUTTON);
            EXPECT_EQ(optionValues[opacity], 130) << "the file's value, not the thumb's";
        }
        EXPECT_EQ(isOptsVisible, 0);
        EXPECT_FALSE(IsWindowVisible(optionsWindow));
        EXPECT_FALSE(IsWindowVisible(overlayWindow));
        EXPECT_EQ(trackbarPosition(), 5);
        EXPECT_EQ(labelText(), "50% Opaque");
        EXPECT_EQ(optionValues[shapeThinRect], 0);
        EXPECT_EQ(optionValues[shapeCircle], 1);
        EXPECT_EQ(checkOf(mainPage, IDC_SHAPE_CIRCLE), 1);
        EXPECT_EQ(checkOf(mainPage, IDC_SHAPE_THIN_RECT), 0);
        EXPECT_EQ(checkOf(miscPage, IDC_RUN_AT_STARTUP), 1);
        EXPECT_EQ(overlayPixels[0] >> 24, optionValues[opacity]) << "the surface dims as the file says";
    }
    EXPECT_TRUE(recordedMessages.empty());
}

TEST_F(OptionsWindow, RestoreDefaultsResetsEveryControlButSavesNothing)
{
    std::string file = "0=0\r\n2=50\r\n54=2\r\n55=65\r\n56=0\r\n57=90\r\n1007=0\r\n1008=1\r\n1009=0\r\n"
                       "1011=0\r\n1012=1\r\n1013=0\r\n1018=0\r\n1020=1\r\n1022=1\r\n1033=0\r\n1064=1\r\n"
                       "1065=0\r\n1066=0\r\n1068=0\r\n";
    writeFile(fileOptions, file);
    loadOptions();
    SendMessageA(tabControl, TCM_SETCURFOCUS, 1, 0);
    showOptions();
    click(optionsWindow, IDC_RESTORE_DEFAULTS);

    int16_t defaults[kOptionCount];
    setDefaultValues();
    memcpy(defaults, optionValues, sizeof defaults);
    readDialog();
    for (const Control& c : kButtons)
        EXPECT_EQ(checkOf(*c.page, c.id), defaults[c.id]) << "control " << c.id;
    EXPECT_EQ(trackbarPosition(), 7);
    EXPECT_EQ(labelText(), "70% Opaque");
    EXPECT_EQ(selectedKey(IDC_SPOTLIGHT_KEY_LIST), "F9");
    EXPECT_EQ(selectedKey(IDC_HIGHLIGHT_KEY_LIST), "F10");
    EXPECT_EQ(overlayPixels[0], dimPixel(175)) << "the preview shows the default dimming";

    EXPECT_EQ(SendMessageA(tabControl, TCM_GETCURSEL, 0, 0), 1) << "the page shown stays";
    EXPECT_TRUE(styleVisible(miscPage));
    EXPECT_EQ(readFile(fileOptions), file) << "nothing is saved before OK";
    EXPECT_EQ(isOptsVisible, 1);

    click(optionsWindow, IDC_CANCEL_BUTTON);
    EXPECT_EQ(optionValues[opacity], 50);
    EXPECT_EQ(checkOf(mainPage, IDC_SHAPE_THIN_RECT), 1);
    SendMessageA(tabControl, TCM_SETCURFOCUS, 0, 0);
}

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The "Orbiqa" Run value, or "(none)".
std::string runValue()
{
    char data[512] = "";
    DWORD size = sizeof data;
    DWORD type = 0;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kRunKey, "Orbiqa", RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS)
        return "(none)";
    return type == REG_SZ ? data : "(not REG_SZ)";
}

} // namespace

TEST(StartupEntry, RunValueFollowsTheSettingAndQuotesAFolderWithSpaces)
{
    char savedDir[sizeof programDir];
    memcpy(savedDir, programDir, sizeof savedDir);
    int16_t savedSetting = optionValues[runAtStartup];
    struct {
        const char* dir;
        int16_t setting;
        const char* value;
    } cases[] = {
        {"C:\\Tools\\X", 1, "C:\\Tools\\X\\Orbiqa.exe"},
        {"C:\\Program Files\\X", 1, "\"C:\\Program Files\\X\\Orbiqa.exe\""},
        {"C:\\Program Files\\X", 0, "(none)"},
        {"C:\\Tools\\X", 1, "C:\\Tools\\X\\Orbiqa.exe"},
        {"C:\\Tools\\X", 1, "C:\\Tools\\X\\Orbiqa.exe"}, // again: one value, same data
        {"C:\\Tools\\X", kNoValue, "(none)"},
        {"C:\\Tools\\X", 0, "(none)"}, // deleting a missing value is no error
        {"C:\\Tools\\X", 2, "(none)"},
        {"", 1, "(none)"}, // no folder known: no command that names a file in a root
    };
    for (auto c : cases) {
        snprintf(programDir, sizeof programDir, "%s", c.dir);
        optionValues[runAtStartup] = c.setting;
        updateStartupEntry();
        EXPECT_EQ(runValue(), c.value) << c.dir << " " << c.setting;
    }
    memcpy(programDir, savedDir, sizeof savedDir);
    optionValues[runAtStartup] = savedSetting;
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kRunKey, "Orbiqa");
}
