#include "win_test_support.h"

#include "app/app.h"
#include "app/tray.h"
#include "input/spotlight_timer.h"
#include "input/key_lists.h"
#include "input/shortcut_keys.h"
#include "input/shortcut_registration.h"
#include "options/control_binding.h"
#include "options/options_window.h"
#include "res/resource.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "settings/startup_entry.h"

#include <commctrl.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

// Every radio button and check box, each the control of the settings entry of its id.
const int kButtons[] = {IDC_SHAPE_CIRCLE,  IDC_SHAPE_RECT,     IDC_SHAPE_THIN_RECT,  IDC_SIZE_SMALL,
                        IDC_SIZE_MEDIUM,   IDC_SIZE_LARGE,     IDC_SIZE_EXTRA_LARGE, IDC_HOLD_MODE,
                        IDC_TOGGLE_MODE,   IDC_BLUR,           IDC_SHOW_OUTLINE,     IDC_RUN_AT_STARTUP,
                        IDC_FORCE_TOPMOST, IDC_SPOTLIGHT_CTRL, IDC_SPOTLIGHT_ALT,    IDC_HIGHLIGHT_CTRL,
                        IDC_HIGHLIGHT_ALT};

// The real options window, created once like at start-up, with real key lists and a
// real settings file that holds the defaults.
class OptionsWindow : public testing::Test {
  protected:
    void SetUp() override
    {
        ensureShellWindows();
        if (!optionsWindow) {
            memset(optionValues, 0, sizeof optionValues); // as at start-up, before the defaults
            createOptionsWindow();
            fillKeyCombo(GetDlgItem(miscPage, IDC_SPOTLIGHT_KEY_LIST));
            fillKeyCombo(GetDlgItem(miscPage, IDC_HIGHLIGHT_KEY_LIST));
            fillOptionalKeyCombo(GetDlgItem(miscPage, IDC_POINTER_KEY_LIST));
        }
        messagesShown = 0;
        setDefaults();
        initPaths();
        saveOptions();
        fillDialog(); // the table is what the file now holds
    }
    void TearDown() override
    {
        removeTrayIcon();
        UnregisterHotKey(overlayWindow, kSpotlightHotKeyId);
        UnregisterHotKey(overlayWindow, kHighlightHotKeyId);
        DeleteFileW(fileOptions);
        settleWindows();
    }
    // Runs what showing, hiding, posted clicks and keys left queued, through the program's loop.
    static void settleWindows()
    {
        MSG message;
        for (int i = 0; i < 500 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i)
            keysPressed += message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN,
                dispatchMessage(message);
    }
    static inline int keysPressed;
    static int focused() { return GetDlgCtrlID(GetFocus()); }
    // Pressed in order and released in reverse, as a hand does; answers the focused control.
    // Typed only once the window is in front with the keyboard, as a hand would: under Wine
    // the foreground can trail the call that gave it, and a late focus change from the X
    // server can take it away again. Keys typed while no window is in front are dropped, not
    // queued, so presses that never arrive are typed again once the window is back in front.
    static int press(std::vector<WORD> keys)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (attempt)
                SetForegroundWindow(optionsWindow);
            for (int i = 0;
                 i < 200 && !(GetForegroundWindow() == optionsWindow && IsChild(optionsWindow, GetFocus()));
                 ++i)
                settleWindows(), Sleep(10);
            const int pressed = keysPressed + int(keys.size());
            sendKeys(keys, 0);
            for (int i = 0; i < 100 && keysPressed < pressed; ++i)
                settleWindows(), Sleep(10);
            if (keysPressed >= pressed)
                break;
            char front[64] = "(none)";
            GetClassNameA(GetForegroundWindow(), front, sizeof front);
            std::printf("keys lost with %s in front: typed again\n", front);
        }
        // The releases may go elsewhere, once Esc or Enter has closed the window.
        sendKeys({keys.rbegin(), keys.rend()}, KEYEVENTF_KEYUP);
        settleWindows();
        return focused();
    }
    static HWND control(int id) { return GetDlgItem(GetDlgItem(mainPage, id) ? mainPage : miscPage, id); }
    static int checkOf(int id) { return int(SendMessageA(control(id), BM_GETCHECK, 0, 0)); }
    static void click(int id)
    {
        SendMessageA(control(id) ? control(id) : GetDlgItem(optionsWindow, id), BM_CLICK, 0, 0);
    }
    static int windowsShown() { return IsWindowVisible(optionsWindow) + IsWindowVisible(overlayWindow); }
    static std::string labelText()
    {
        char text[64] = "";
        GetDlgItemTextA(mainPage, IDC_OPACITY_LABEL, text, sizeof text);
        return text;
    }
    // Registered already, so that nobody else may claim it.
    static bool taken(int modifiers, int key)
    {
        const bool claimed = RegisterHotKey(outlineWindow, 0x3FFF, UINT(modifiers), UINT(key));
        UnregisterHotKey(outlineWindow, 0x3FFF);
        return !claimed;
    }
};

// Answers the real box with a click at its OK button's centre, as a user would: true when
// the box was above the overlay and the click closed it.
bool boxClickedOk;
DWORD WINAPI clickOk(void*)
{
    HWND box = nullptr, below;
    // Found as soon as it exists, but a click lands on it only once it shows.
    for (int i = 0; i < 500 && !IsWindowVisible(box = FindWindowA("#32770", "Quorvel")); ++i)
        Sleep(10);
    for (below = box; below && below != overlayWindow;)
        below = GetWindow(below, GW_HWNDNEXT);
    RECT ok = {};
    GetWindowRect(GetDlgItem(box, IDOK), &ok);
    // The click carries its place: a cursor set apart from it may still be where it was when
    // the click arrives, over the overlay.
    const int x = MulDiv(ok.left + ok.right, 32768, GetSystemMetrics(SM_CXSCREEN)),
              y = MulDiv(ok.top + ok.bottom, 32768, GetSystemMetrics(SM_CYSCREEN));
    for (DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
        mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | button, DWORD(x), DWORD(y), 0, 0);
    for (int i = 0; i < 200 && IsWindow(box); ++i)
        Sleep(10);
    boxClickedOk = below && !IsWindow(box);
    return PostMessageA(box, WM_COMMAND, IDOK, 0); // ends a box that the click missed
}

// Answers the colour dialog of a click, from another thread while the click waits: notes
// the colour it shows, types typedColour (0xRRGGBB) into its fields Red, Green and Blue
// (706-708), and presses colourAnswer.
int typedColour, colourAnswer, shownColour;
DWORD WINAPI answerColour(void*)
{
    HWND box = nullptr;
    for (int i = 0; i < 1000 && !IsWindowVisible(box = FindWindowA("#32770", "Color")); ++i)
        Sleep(10);
    for (int channel = 0; channel < 3; ++channel)
        shownColour = shownColour << 8 | int(GetDlgItemInt(box, 706 + channel, nullptr, FALSE)),
        SetDlgItemInt(box, 706 + channel, UINT(typedColour >> (16 - 8 * channel) & 0xFF), FALSE);
    return PostMessageA(box, WM_COMMAND, WPARAM(colourAnswer), 0);
}

} // namespace

// A shortcut that another program holds keeps the window open, with the preview, and
// writes nothing; the refusal comes above the dim layer, where its OK takes a click. Cancel
// then claims the saved shortcuts again. The next OK may try again: free shortcuts are then
// claimed, the old ones given back, and the settings saved. An OK that cannot take the
// program out of Windows' start says so. Esc is Cancel and Enter is OK, to the letter.
TEST_F(OptionsWindow, OkRefusesATakenShortcutAndSavesFreeOnes)
{
    updateStartupEntry(); // started with Windows for every user, which a user may not undo
    ASSERT_TRUE(RegisterHotKey(outlineWindow, 77, kModAlt, 0x79)); // ALT+F10, the highlight's
    initTray();
    const std::string before = readFile(fileOptions);
    showOptions();
    click(IDC_SIZE_SMALL);     // a change that a save would write
    click(IDC_SPOTLIGHT_CTRL); // CTRL+ALT+F9: the half of the refused pair that registers
    MessageBoxFunction answerBox = std::exchange(messageBoxFunction, MessageBoxA);
    HANDLE clicker = CreateThread(nullptr, 0, clickOk, nullptr, 0, nullptr);
    click(IDC_OK_BUTTON);
    WaitForSingleObject(clicker, INFINITE), CloseHandle(clicker);
    messageBoxFunction = answerBox;
    EXPECT_TRUE(messagesShown == 0 && boxClickedOk && isOptsVisible == 1 && windowsShown() == 2 &&
                readFile(fileOptions) == before);
    click(IDC_CANCEL_BUTTON);
    EXPECT_TRUE(taken(kModAlt, 0x78) && !taken(kModControl | kModAlt, 0x78))
        << "Cancel claims the saved pair";
    UnregisterHotKey(outlineWindow, 77);

    // Unreadable on Cancel, the file gives way to the values in force when the window opened.
    showOptions();
    click(IDC_SIZE_SMALL);
    HANDLE held = CreateFileW(fileOptions, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    press({VK_ESCAPE});
    CloseHandle(held);
    EXPECT_TRUE(messagesShown == 1 && optionValues[sizeSmall] == 0 && checkOf(IDC_SIZE_SMALL) == 0);

    showOptions();
    click(IDC_SIZE_SMALL);
    click(IDC_SPOTLIGHT_CTRL); // CTRL+ALT+F9
    click(IDC_HIGHLIGHT_ALT);  // K alone: never claimed, it would be taken from all typing
    SendMessageA(control(IDC_HIGHLIGHT_KEY_LIST), CB_SELECTSTRING, WPARAM(-1), LPARAM("K"));
    click(IDC_RUN_AT_STARTUP);
    click(IDC_OK_BUTTON);
    EXPECT_TRUE(messagesShown == 2 && lastMessage.find("A letter key needs CTRL or ALT") == 0 &&
                isOptsVisible == 1 && !taken(0, 'K') && readFile(fileOptions) == before);
    click(IDC_HIGHLIGHT_CTRL); // CTRL+K
    registryOpenFunction = openKeyAsUser;
    press({VK_RETURN});
    registryOpenFunction = RegOpenKeyExW;
    EXPECT_TRUE(messagesShown == 3 && isOptsVisible == 0 && windowsShown() == 0) << "Windows still starts it";
    EXPECT_TRUE(taken(kModControl | kModAlt, 0x78) && taken(kModControl, 'K') && !taken(kModAlt, 0x78))
        << "the old spotlight shortcut is given back";
    EXPECT_EQ(tipsShown.back(), "Orbiqa: hold CTRL+ALT+F9 for the spotlight, CTRL+K to highlight");
    const std::string saved = readFile(fileOptions);
    EXPECT_TRUE(saved.find("54=3\r\n55=120\r\n56=2\r\n57=75\r\n") != std::string::npos &&
                saved.find("1211=1\r\n") != std::string::npos)
        << saved;
}

// A start tells of a first run (not of a later start, nor of a file that exists but cannot
// be read) and of a shortcut another program holds, in one balloon, once the icon is there
// and never again when it returns; the tip names the shortcuts in the spotlight's mode.
// Without the icon file the program's own icon stands in: never an empty slot.
TEST_F(OptionsWindow, AStartTellsOnceOfAFirstRunAndATakenShortcut)
{
    enum File { missing, there, held };
    // clang-format off
    struct { File file; bool holdMode, iconLate; int takenKey; const char* notice; } cases[] = {
        {missing, true, false, 0, "Orbiqa: Orbiqa runs in the notification area. Hold ALT+F9"},
        {there, false, false, 0, ""}, {held, true, false, 0, ""},
        {there, true, true, 0x78, "Orbiqa: Another program uses ALT+F9;"},
    };
    // clang-format on
    for (auto c : cases) {
        if (c.file == missing)
            DeleteFileW(fileOptions);
        HANDLE file = CreateFileW(fileOptions, GENERIC_READ, c.file == held ? 0 : FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        initPaths();
        CloseHandle(file);
        optionValues[holdMode] = c.holdMode ? 1 : 2;
        if (c.takenKey)
            RegisterHotKey(outlineWindow, 77, kModAlt, UINT(c.takenKey));
        tipsShown.clear(), noticesShown.clear(), shellRefusesAdd = c.iconLate;
        joinBounded(programDir, kPathBufferSize, {kDistDir, c.file == held ? L"\\no-such-folder" : L""});
        ShortcutClaims claims = registerShortcuts();
        initTray();
        EXPECT_TRUE(trayIcon) << programDir;
        showStartNotice(claims);
        shellRefusesAdd = false;
        retryTrayIcon();
        removeTrayIcon(); // and back, as when Explorer restarts
        SendMessageA(overlayWindow, taskbarCreatedMessage, 0, 0);
        EXPECT_EQ(noticesShown.size(), *c.notice ? 1u : 0u) << c.file;
        EXPECT_EQ(noticesShown.empty() ? "" : noticesShown[0].substr(0, strlen(c.notice)), c.notice);
        const std::string verb = c.holdMode ? "hold" : "press";
        EXPECT_EQ(tipsShown, std::vector<std::string>(
                                 2, "Orbiqa: " + verb + " ALT+F9 for the spotlight, ALT+F10 to highlight"));
        UnregisterHotKey(outlineWindow, 77);
        TearDown(), SetUp(); // the icon and the shortcuts given back, the defaults saved
    }
}

// A double click on the tray icon opens the window with the focus on its first control (a
// release of the right button does nothing), and that ends a sweep at once: the tick polls
// nothing while it shows, so it would see a release only after it closes. A change of the
// window's scale makes the Opacity caption's font anew. Every change previews at once, and
// Restore Defaults shows every default, but nothing is saved before OK: the close box, a
// Cancel click, goes back to the file in the table, the controls and the surface. Only an
// entry of exactly 1 shows checked, and the trackbar and its label show an opacity within
// the trackbar's range.
TEST_F(OptionsWindow, OpeningEndsASweepAndChangesPreviewUntilTheCloseBoxRestoresTheFile)
{
    const std::vector<int16_t> defaults(optionValues, optionValues + kOptionCount);
    for (int id : kButtons)
        optionValues[id] = isOptionOn(id) ? 2 : 1;
    for (int id : {shapeThinRect, sizeMedium, sizeExtraLarge}) // one of each radio set stays on
        optionValues[id] = 2;
    optionValues[opacity] = 300;
    optionValues[spotlightKey] = 'A';
    saveOptions();
    fillDialog();
    const std::vector<int16_t> fromFile(optionValues, optionValues + kOptionCount);
    const std::string saved = readFile(fileOptions);
    const auto expectShown = [](const std::vector<int16_t>& expected, const char* label) {
        for (int id : kButtons)
            EXPECT_TRUE(optionValues[id] == expected[id] && checkOf(id) == (expected[id] == 1))
                << "control " << id;
        EXPECT_TRUE(optionValues[opacity] == expected[opacity] &&
                    overlayPixels[0] == dimPixel(expected[opacity]) && labelText() == label &&
                    optionValues[spotlightKey] == expected[spotlightKey]);
    };
    tickWithHighlightKeys(true, 10, 10); // a sweep begins
    static int opened = 0;
    openOptionsFunction = [] { ++opened, showOptions(); };
    for (UINT mouse : {WM_RBUTTONUP, WM_LBUTTONDBLCLK})
        SendMessageA(overlayWindow, kTrayCallbackMessage, kTrayIconId, mouse);
    openOptionsFunction = showOptions;
    EXPECT_TRUE(opened == 1 && !IsWindowVisible(outlineWindow) && focused() == IDC_BLUR);
    // The old font is freed.
    RECT place;
    GetWindowRect(optionsWindow, &place);
    LOGFONTA font = {};
    for (auto scale : {std::pair<int, LONG>{144, -20}, {96, -13}}) {
        HGDIOBJ old = labelFont;
        SendMessageA(optionsWindow, WM_DPICHANGED, MAKEWPARAM(scale.first, scale.first), LPARAM(&place));
        GetObjectA(HGDIOBJ(SendMessageA(control(IDC_OPACITY_CAPTION), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_TRUE(font.lfHeight == scale.second && !GetObjectW(old, sizeof font, &font)) << scale.first;
    }
    // As a drag moves the thumb: the position changes, then the page hears of it.
    SendMessageA(control(IDC_OPACITY_TRACKBAR), TBM_SETPOS, TRUE, 4);
    SendMessageA(mainPage, WM_HSCROLL, TB_THUMBTRACK, LPARAM(control(IDC_OPACITY_TRACKBAR)));
    EXPECT_TRUE(labelText() == "40% Opaque" && overlayPixels[0] == dimPixel(100));

    click(IDC_RESTORE_DEFAULTS);
    expectShown(defaults, "70% Opaque");
    EXPECT_EQ(readFile(fileOptions), saved);
    SendMessageA(optionsWindow, WM_CLOSE, 0, 0);
    settleWindows(); // runs the Cancel click that the close box posts
    EXPECT_TRUE(isOptsVisible == 0 && windowsShown() == 0 && messagesShown == 0);
    expectShown(fromFile, "100% Opaque");
    tickWithHighlightKeys(false, 50, 50);
    EXPECT_FALSE(highlightOnScreen()) << "lit from the corners of the sweep the window ended";
}

// Through the program's own loop: Tab and Shift+Tab go round in the order the controls show,
// arrows keep to a radio set, Space toggles a box, CTRL+Tab turns the page, and the window
// opens again with the focus on its first control.
TEST_F(OptionsWindow, TheKeyboardWorksTheWindow)
{
    showOptions();
    // Each key leaves the focus on a control that it checked, or that stayed checked; arrows go
    // round the set, and back on the page Tab goes to the shape that is checked.
    // clang-format off
    const std::pair<std::vector<WORD>, int> steps[] = {{{VK_SPACE}, IDC_BLUR}, {{VK_TAB}, IDC_SHAPE_CIRCLE},
        {{VK_LEFT}, IDC_SHAPE_THIN_RECT}, {{VK_DOWN}, IDC_SHAPE_CIRCLE}, {{VK_RIGHT}, IDC_SHAPE_RECT},
        {{VK_TAB}, IDC_SIZE_LARGE}, {{VK_CONTROL, VK_TAB}, IDC_RUN_AT_STARTUP},
        {{VK_CONTROL, VK_SHIFT, VK_TAB}, IDC_BLUR}, {{VK_TAB}, IDC_SHAPE_RECT}};
    // clang-format on
    for (auto& step : steps)
        EXPECT_TRUE(press(step.first) == step.second && checkOf(step.second) == 1 &&
                    optionValues[step.second] == 1)
            << step.second << " is not focused and checked";
    press({VK_ESCAPE}); // Cancel: the defaults again
    showOptions();      // opened again, the focus on its first control, where the round starts
    const int order[] = {IDC_BLUR,         IDC_SHAPE_CIRCLE, IDC_SIZE_LARGE,       IDC_OPACITY_TRACKBAR,
                         IDC_DIM_COLOUR,   IDC_SHOW_OUTLINE, IDC_RESTORE_DEFAULTS, IDC_OK_BUTTON,
                         IDC_CANCEL_BUTTON};
    const std::vector<WORD> tab = {VK_TAB}, shiftTab = {VK_SHIFT, VK_TAB};
    for (int i = 1; i <= 18; ++i) // round once forwards, then backwards
        EXPECT_EQ(press(i <= 9 ? tab : shiftTab), order[i <= 9 ? i % 9 : 18 - i]) << i;
    press({VK_ESCAPE});
}

// The colour dialog opens on the colour in force; its choice previews at once (the dim's
// corner, premultiplied) and reaches the file on OK, as three entries; its Cancel, or the
// window's, throws it away. The pointer's shortcut is claimed and saved only once a key is
// chosen, and refused like the others when it is the spotlight's or a letter alone (one that
// another program holds is refused as the spotlight's is); a refused OK leaves the window
// open for the next row.
// Restore Defaults leaves entries 58-65 out.
TEST_F(OptionsWindow, ColoursAndThePointersShortcutWaitForOk)
{
    const std::string kept = "57=121\r\n60=16\r\n61=32\r\n62=48\r\n1007=";
    // clang-format off
    struct { int button, colour, answer, shown; uint32_t corner; const char* key; int modifiers, close;
             std::string message, saved; } cases[] = {
        {IDC_DIM_COLOUR, 0x102030, IDOK, 0, 0xAF0B1621, "(None)", kModControl, IDC_OK_BUTTON, "", kept},
        {IDC_DIM_COLOUR, 0x0000FF, IDOK, 0x102030, 0xAF0000AF, "F11", kModControl, IDC_CANCEL_BUTTON, "", kept},
        {IDC_POINTER_COLOUR, 0x00FF00, IDCANCEL, 0xFF0000, 0xAF0B1621, "F9", kModAlt, IDC_OK_BUTTON,
         "One of the shortcut keys is already taken", kept},
        {0, 0, 0, 0, 0xAF0B1621, "P", 0, IDC_OK_BUTTON, "A letter key needs CTRL or ALT", kept},
        {IDC_POINTER_COLOUR, 0x00FF00, IDOK, 0xFF0000, 0xAF0B1621, "F11", kModControl, IDC_OK_BUTTON, "",
         "57=121\r\n58=2\r\n59=122\r\n60=16\r\n61=32\r\n62=48\r\n63=0\r\n64=255\r\n65=0\r\n1007="},
        {IDC_RESTORE_DEFAULTS, 0, 0, 0, 0xAF000000, "", 0, IDC_OK_BUTTON, "", "57=121\r\n1007="},
    };
    // clang-format on
    for (auto& c : cases) {
        showOptions();
        SendMessageA(control(IDC_POINTER_KEY_LIST), CB_SELECTSTRING, WPARAM(-1), LPARAM(c.key));
        for (int box : {IDC_POINTER_CTRL, IDC_POINTER_ALT}) // the modifier bits: ALT 1, CTRL 2
            SendMessageA(control(box), BM_SETCHECK, c.modifiers >> (IDC_POINTER_ALT - box) & 1, 0);
        typedColour = c.colour, colourAnswer = c.answer, shownColour = messagesShown = 0;
        HANDLE answerer = c.answer ? CreateThread(nullptr, 0, answerColour, nullptr, 0, nullptr) : nullptr;
        click(c.button), WaitForSingleObject(answerer, INFINITE), CloseHandle(answerer);
        EXPECT_TRUE(shownColour == c.shown && overlayPixels[0] == c.corner) << c.key;
        click(c.close);
        EXPECT_TRUE(messagesShown == !c.message.empty() && lastMessage.find(c.message) == 0 &&
                    readFile(fileOptions).find(c.saved) != std::string::npos &&
                    taken(kModControl, 0x7A) == (c.saved.find("58=2") != std::string::npos))
            << c.key;
    }
}

// The lists on the Misc page have the sort style, yet fill in the table's order ("F2"
// second, not "F10") with nothing selected. Only an exact, case-sensitive match selects;
// anything else keeps the selection, and an item too long for the 300-byte read buffer
// is passed over unread.
TEST(KeyList, FillsInTableOrderAndSelectsExactMatchesOnly)
{
    HWND list = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN | CBS_SORT, 0, 0, 100, 200,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const std::string tooLong(300, 'F');
    SendMessageA(list, CB_INSERTSTRING, WPARAM(-1), LPARAM(tooLong.c_str()));
    fillKeyCombo(list);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 1 + kKeyNameCount);
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
    for (int i = 0; i < kKeyNameCount; ++i)
        EXPECT_TRUE(findCombo(list, keyNames[i]) == 0 && SendMessageA(list, CB_GETCURSEL, 0, 0) == 1 + i)
            << keyNames[i];
    for (const char* text : {"z", "", "F13", "Z ", tooLong.c_str()})
        EXPECT_TRUE(findCombo(list, text) == -1 && SendMessageA(list, CB_GETCURSEL, 0, 0) == kKeyNameCount)
            << '"' << text << '"';
    DestroyWindow(list);
}
