#include "file_helpers.h"
#include "injected_input.h"
#include "win_test_support.h"

#include "app/app.h"
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

#include <algorithm>
#include <string>

namespace {

struct Control {
    HWND* page;
    int id;
    bool radio;
};

// Every check box and radio button, each the control of the settings entry of its id.
const Control kButtons[] = {
    {&mainPage, IDC_SHAPE_CIRCLE, true},     {&mainPage, IDC_SHAPE_RECT, true},
    {&mainPage, IDC_SHAPE_THIN_RECT, true},  {&mainPage, IDC_SIZE_SMALL, true},
    {&mainPage, IDC_SIZE_MEDIUM, true},      {&mainPage, IDC_SIZE_LARGE, true},
    {&mainPage, IDC_SIZE_EXTRA_LARGE, true}, {&miscPage, IDC_HOLD_MODE, true},
    {&miscPage, IDC_TOGGLE_MODE, true},      {&mainPage, IDC_BLUR, false},
    {&mainPage, IDC_SHOW_OUTLINE, false},    {&miscPage, IDC_RUN_AT_STARTUP, false},
    {&miscPage, IDC_FORCE_TOPMOST, false},   {&miscPage, IDC_SPOTLIGHT_CTRL, false},
    {&miscPage, IDC_SPOTLIGHT_ALT, false},   {&miscPage, IDC_HIGHLIGHT_CTRL, false},
    {&miscPage, IDC_HIGHLIGHT_ALT, false},
};

// True when nobody else may claim the combination: it is registered already.
bool combinationTaken(int modifiers, int key)
{
    constexpr int kProbeId = 0x3FFF;
    if (!RegisterHotKey(outlineWindow, kProbeId, UINT(modifiers), UINT(key)))
        return true;
    UnregisterHotKey(outlineWindow, kProbeId);
    return false;
}

// The real options window, created once like at start-up, with real key lists and a
// real settings file in the test prefix.
class OptionsWindow : public testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        ensureShellWindows();
        if (optionsWindow)
            return;
        // As at start-up, before the defaults: every entry 0, so the Main page shows.
        memset(optionValues, 0, sizeof optionValues);
        createOptionsWindow();
        fillKeyCombo(GetDlgItem(miscPage, IDC_SPOTLIGHT_KEY_LIST));
        fillKeyCombo(GetDlgItem(miscPage, IDC_HIGHLIGHT_KEY_LIST));
    }
    void SetUp() override
    {
        recordedMessages.clear();
        setDefaults();
        initPaths();
        ASSERT_STRNE(fileOptions, "");
        writeFile(fileOptions, kDefaultSettingsFile);
        loadOptionsIntoDialog();
    }
    void TearDown() override
    {
        if (isOptsVisible)
            click(optionsWindow, IDC_CANCEL_BUTTON);
        UnregisterHotKey(overlayWindow, kSpotlightHotKeyId);
        UnregisterHotKey(overlayWindow, kHighlightHotKeyId);
        DeleteFileA(fileOptions);
        RemoveDirectoryA(settingsDir);
        settleWindows();
    }

    static int checkOf(HWND page, int id) { return int(SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0)); }
    static void click(HWND page, int id) { SendDlgItemMessageA(page, id, BM_CLICK, 0, 0); }
    static int windowsShown() { return IsWindowVisible(optionsWindow) + IsWindowVisible(overlayWindow); }
    static std::string labelText()
    {
        char text[64] = "";
        GetDlgItemTextA(mainPage, IDC_OPACITY_LABEL, text, sizeof text);
        return text;
    }
};

} // namespace

// Four settings that between them turn every control on and off, with one button of each
// radio set on, as clicks leave them. Only an entry of exactly 1 shows checked; an opacity
// shows as the nearest trackbar step below, within the trackbar's range.
TEST_F(OptionsWindow, EveryBoundControlRoundTrips)
{
    const int16_t kOffValues[] = {0, 2, -1, kNoValue};
    struct {
        int shape, size, mode;
        int16_t opacity, shownOpacity;
        const char* label;
        int16_t spotlightKey, highlightKey;
    } patterns[] = {
        {shapeRect, sizeSmall, toggleMode, 130, 125, "50% Opaque", 0x7B, 'Z'},
        {shapeThinRect, sizeMedium, holdMode, 300, 250, "100% Opaque", 'Q', 0x70},
        {shapeCircle, sizeLarge, toggleMode, -300, 25, "10% Opaque", 'A', 0x71},
        {shapeRect, sizeExtraLarge, holdMode, kNoValue, 250, "100% Opaque", 0x78, 0x79},
    };
    for (int p = 0; p < 4; ++p) {
        int16_t checked[kOptionCount] = {};
        int n = p;
        for (const Control& c : kButtons) {
            const auto& r = patterns[p];
            checked[c.id] = c.radio ? c.id == r.shape || c.id == r.size || c.id == r.mode : n % 2;
            optionValues[c.id] = checked[c.id] ? 1 : kOffValues[n++ % 4];
        }
        optionValues[opacity] = patterns[p].opacity;
        optionValues[spotlightKey] = patterns[p].spotlightKey;
        optionValues[highlightKey] = patterns[p].highlightKey;
        fillDialog();
        for (const Control& c : kButtons)
            EXPECT_EQ(checkOf(*c.page, c.id), checked[c.id]) << "control " << c.id;
        EXPECT_EQ(labelText(), patterns[p].label);

        std::fill(optionValues, optionValues + kOptionCount, kNoValue);
        readDialog();
        for (const Control& c : kButtons)
            EXPECT_EQ(optionValues[c.id], checked[c.id]) << "control " << c.id;
        EXPECT_EQ(optionValues[opacity], patterns[p].shownOpacity);
        EXPECT_EQ(optionValues[spotlightKey], patterns[p].spotlightKey);
        EXPECT_EQ(optionValues[highlightKey], patterns[p].highlightKey);
    }
}

// A shortcut taken by the other one or by another registration keeps the window open and
// writes nothing, and the next OK may try again: free shortcuts are then claimed, the old
// ones given back, and the settings saved.
TEST_F(OptionsWindow, OkRefusesTakenShortcutsAndSavesFreeOnes)
{
    constexpr int kOtherProgramsId = 77;
    ASSERT_TRUE(RegisterHotKey(outlineWindow, kOtherProgramsId, kModAlt, 0x79));
    showOptions();
    click(mainPage, IDC_SIZE_SMALL); // a change that a save would write
    for (const char* highlightKeyName : {"F9", "F10"}) {
        SCOPED_TRACE(highlightKeyName);
        recordedMessages.clear();
        SendDlgItemMessageA(miscPage, IDC_HIGHLIGHT_KEY_LIST, CB_SELECTSTRING, WPARAM(-1),
                            LPARAM(highlightKeyName));
        click(optionsWindow, IDC_OK_BUTTON);
        ASSERT_EQ(recordedMessages.size(), 1u);
        EXPECT_EQ(recordedMessages[0].text, "One of the shortcut keys is already taken. Please change it.");
        EXPECT_EQ(recordedMessages[0].caption, "Quorvel");
        EXPECT_TRUE(isOptsVisible == 1 && windowsShown() == 2);
        EXPECT_EQ(readFile(fileOptions), kDefaultSettingsFile);
    }
    UnregisterHotKey(outlineWindow, kOtherProgramsId);

    recordedMessages.clear();
    click(miscPage, IDC_SPOTLIGHT_CTRL); // CTRL+ALT+F9
    click(miscPage, IDC_HIGHLIGHT_ALT);  // K alone
    SendDlgItemMessageA(miscPage, IDC_HIGHLIGHT_KEY_LIST, CB_SELECTSTRING, WPARAM(-1), LPARAM("K"));
    click(optionsWindow, IDC_OK_BUTTON);
    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_TRUE(isOptsVisible == 0 && windowsShown() == 0);
    EXPECT_TRUE(combinationTaken(kModControl | kModAlt, 0x78) && combinationTaken(0, 'K'));
    EXPECT_FALSE(combinationTaken(kModAlt, 0x78)) << "the old spotlight shortcut is given back";
    const std::string saved = readFile(fileOptions);
    for (const char* line : {"54=3\r\n", "56=0\r\n", "57=75\r\n", "1064=1\r\n", "1068=0\r\n", "1069=75\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
}

// Every change shows at once; Cancel and the close box throw the changes away: table,
// controls, label and surface go back to the file.
TEST_F(OptionsWindow, ChangesPreviewAtOnceAndCancelOrTheCloseBoxRestoreTheFile)
{
    writeFile(fileOptions, std::string(kDefaultSettingsFile) + "2=130\r\n");
    loadOptionsIntoDialog();
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        showOptions();
        // As a drag moves the thumb: the position changes, then the page hears of it.
        SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_SETPOS, TRUE, 4);
        SendMessageA(mainPage, WM_HSCROLL, TB_THUMBTRACK, LPARAM(GetDlgItem(mainPage, IDC_OPACITY_TRACKBAR)));
        click(mainPage, IDC_SHAPE_THIN_RECT);
        click(miscPage, IDC_RUN_AT_STARTUP);
        EXPECT_TRUE(labelText() == "40% Opaque" && overlayPixels[0] == dimPixel(100));
        EXPECT_TRUE(optionValues[shapeThinRect] == 1 && optionValues[shapeCircle] == 0 &&
                    optionValues[sizeLarge] == 1)
            << "the shapes are one exclusive set, the sizes another";

        if (closeBox)
            SendMessageA(optionsWindow, WM_CLOSE, 0, 0);
        else
            click(optionsWindow, IDC_CANCEL_BUTTON);
        settleWindows(); // runs the cancel click that the close box posts
        EXPECT_TRUE(isOptsVisible == 0 && windowsShown() == 0);
        EXPECT_TRUE(optionValues[opacity] == 130 && overlayPixels[0] == dimPixel(130));
        EXPECT_TRUE(SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_GETPOS, 0, 0) == 5 &&
                    labelText() == "50% Opaque");
        EXPECT_TRUE(optionValues[shapeCircle] == 1 && checkOf(mainPage, IDC_SHAPE_CIRCLE) == 1 &&
                    checkOf(mainPage, IDC_SHAPE_THIN_RECT) == 0 &&
                    checkOf(miscPage, IDC_RUN_AT_STARTUP) == 1);
    }
    EXPECT_TRUE(recordedMessages.empty());
}

// Every control shows its default and the preview its dimming, but nothing is saved
// before OK, and Cancel goes back to the file.
TEST_F(OptionsWindow, RestoreDefaultsResetsEveryControlButSavesNothing)
{
    for (const Control& c : kButtons)
        optionValues[c.id] = int16_t(!isOptionOn(c.id));
    optionValues[opacity] = 50;
    optionValues[spotlightKey] = 'A';
    saveOptions();
    const std::string saved = readFile(fileOptions);
    loadOptionsIntoDialog();
    showOptions();
    click(optionsWindow, IDC_RESTORE_DEFAULTS);

    int16_t shownValues[kOptionCount];
    memcpy(shownValues, optionValues, sizeof shownValues); // as the click read them from the controls
    setDefaultValues();
    for (int key : {int(opacity), int(spotlightKey), int(highlightKey)})
        EXPECT_EQ(shownValues[key], optionValues[key]) << key;
    for (const Control& c : kButtons)
        EXPECT_EQ(shownValues[c.id], optionValues[c.id]) << "control " << c.id;
    EXPECT_TRUE(labelText() == "70% Opaque" && overlayPixels[0] == dimPixel(175));
    EXPECT_EQ(readFile(fileOptions), saved);
    click(optionsWindow, IDC_CANCEL_BUTTON);
    EXPECT_EQ(optionValues[opacity], 50);
}

// Set with the command for the program's folder, deleted when off; a folder that is not
// known writes nothing rather than a command naming a file in a root.
TEST(StartupEntry, RunValueFollowsTheSetting)
{
    struct {
        const char* dir;
        int16_t setting;
        const char* value;
    } cases[] = {
        {"C:\\Program Files\\X", 1, "\"C:\\Program Files\\X\\Orbiqa.exe\""},
        {"C:\\Program Files\\X", 2, ""},
        {"", 1, ""},
    };
    for (auto c : cases) {
        snprintf(programDir, sizeof programDir, "%s", c.dir);
        optionValues[runAtStartup] = c.setting;
        updateStartupEntry();
        char data[512] = "";
        DWORD size = sizeof data;
        RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Orbiqa",
                     RRF_RT_REG_SZ, nullptr, data, &size);
        EXPECT_STREQ(data, c.value) << c.dir << " " << c.setting;
    }
}
