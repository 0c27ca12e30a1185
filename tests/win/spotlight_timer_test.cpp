#include "win_test_support.h"

#include "app/app.h"
#include "input/highlight.h"
#include "input/shortcut_keys.h"
#include "input/spotlight_timer.h"
#include "options/options_window.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr WORD kF9 = VK_F9;
constexpr DWORD kLongAgoMs = 10000;
constexpr DWORD kResyncTimeoutMs = 5000;

class SpotlightTick : public testing::Test {
  protected:
    std::vector<WORD> keysDown;

    void SetUp() override
    {
        ensureShellWindows();
        setDefaultValues();
        snprintf(programDir, sizeof programDir, "%s", distDir().c_str());
        loadSpotlightImage();
        ASSERT_GT(spotlightImage.width, 0);
        isOptsVisible = 0;
        highlightActive = 0;
        lastToggleTick = 0;
        toggleGuardMs = 0;
        ShowWindow(overlayWindow, SW_HIDE);
        fillOverlay();
        lastStampPos = {0, 0};
    }
    void TearDown() override
    {
        releaseAll();
        ShowWindow(overlayWindow, SW_HIDE);
        isOptsVisible = 0;
        highlightActive = 0;
        setDefaultValues();
        // The injected keys leave messages behind; they are meant for no one.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    void send(WORD key, bool down)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof input);
    }
    void press(std::initializer_list<WORD> keys)
    {
        for (WORD key : keys) {
            send(key, true);
            keysDown.push_back(key);
        }
    }
    void release(WORD key)
    {
        send(key, false);
        keysDown.erase(std::remove(keysDown.begin(), keysDown.end(), key), keysDown.end());
    }
    void releaseAll()
    {
        for (auto key = keysDown.rbegin(); key != keysDown.rend(); ++key)
            send(*key, false);
        keysDown.clear();
    }
    // Keys pressed here stay down until the overlay is shown: showing it gives it the X
    // keyboard focus, and Wine then sets every key to what the X server says is down, which
    // is none of them, since SendInput does not go through the server. That can happen
    // after the show returns, so a test that shows the overlay with keys down waits for it
    // here; tick() then presses the held keys again.
    bool waitForKeyResync()
    {
        for (DWORD start = GetTickCount(); GetTickCount() - start < kResyncTimeoutMs; Sleep(5)) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            }
            if (std::none_of(keysDown.begin(), keysDown.end(),
                             [](WORD key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }))
                return true;
        }
        return false;
    }
    void tick()
    {
        for (WORD key : keysDown)
            send(key, true);
        spotlightTick();
    }
    static bool shown() { return IsWindowVisible(overlayWindow) != 0; }
};

} // namespace

TEST_F(SpotlightTick, HoldModeShowsWhileHeldAndHidesOnRelease)
{
    struct Case {
        int16_t modifiers;
        std::vector<WORD> keys;
        bool shows;
    } cases[] = {
        {kModAlt, {VK_MENU, kF9}, true},
        {kModAlt, {VK_SHIFT, VK_MENU, kF9}, true}, // an extra modifier still counts
        {kModAlt, {kF9}, false},
        {kModAlt, {VK_MENU}, false},
        {0, {kF9}, true},
        {kModAlt | kModControl, {VK_MENU, kF9}, false},
    };
    for (const Case& c : cases) {
        optionValues[spotlightModifiers] = c.modifiers;
        for (WORD key : c.keys)
            press({key});
        tick();
        EXPECT_EQ(shown(), c.shows) << "modifiers " << c.modifiers << ", " << c.keys.size() << " keys";
        if (shown()) {
            ASSERT_TRUE(waitForKeyResync());
        }
        releaseAll();
        tick();
        EXPECT_FALSE(shown()) << "still shown after release, modifiers " << c.modifiers;
    }

    // Releasing either key of the shortcut hides it.
    optionValues[spotlightModifiers] = kModAlt;
    for (WORD released : {WORD(VK_MENU), kF9}) {
        press({VK_MENU, kF9});
        tick();
        ASSERT_TRUE(shown());
        ASSERT_TRUE(waitForKeyResync());
        tick();
        ASSERT_TRUE(shown());
        release(released);
        tick();
        EXPECT_FALSE(shown()) << "released " << released;
        releaseAll();
    }
}

TEST_F(SpotlightTick, ToggleModeFlipsOncePerAcceptedPress)
{
    for (int16_t mode : {int16_t(0), kNoValue}) {
        optionValues[holdMode] = mode;
        lastToggleTick = 0;
        toggleGuardMs = 0;
        ShowWindow(overlayWindow, SW_HIDE);

        press({VK_MENU, kF9});
        tick(); // the first press is accepted at once
        EXPECT_TRUE(shown()) << "mode " << mode;
        EXPECT_EQ(toggleGuardMs, 500u);
        ASSERT_TRUE(waitForKeyResync());
        for (int i = 0; i < 5; ++i)
            tick(); // held, but within the guard
        EXPECT_TRUE(shown()) << "flipped again within the guard, mode " << mode;
        releaseAll();
        tick();
        EXPECT_TRUE(shown()) << "a release does not hide in toggle mode";

        press({VK_MENU, kF9});
        lastToggleTick = GetTickCount(); // pressed again too soon
        tick();
        EXPECT_TRUE(shown()) << "mode " << mode;
        lastToggleTick = GetTickCount() - kLongAgoMs; // held past the guard
        tick();
        EXPECT_FALSE(shown()) << "mode " << mode;
        tick();
        EXPECT_FALSE(shown()) << "flipped twice on one press";
        releaseAll();
    }
}

TEST_F(SpotlightTick, ShortcutIgnoredWhileOptionsOrHighlightShow)
{
    struct {
        unsigned char optionsShowing, highlightOnScreen;
    } cases[] = {{1, 0}, {0, 1}, {1, 1}};
    for (auto c : cases) {
        isOptsVisible = c.optionsShowing;
        highlightActive = c.highlightOnScreen;
        ShowWindow(overlayWindow, SW_HIDE);
        press({VK_MENU, kF9});
        tick();
        EXPECT_FALSE(shown()) << int(c.optionsShowing) << int(c.highlightOnScreen);

        ShowWindow(overlayWindow, SW_SHOW);
        ASSERT_TRUE(waitForKeyResync());
        releaseAll();
        lastStampPos = {7, 7};
        lastCursorPos = {-1, -1};
        tick();
        EXPECT_TRUE(shown()) << "hidden although the tick must leave it alone";
        EXPECT_EQ(lastStampPos.x, 7) << "redrawn although the tick must leave it alone";
    }
}

// Moves the pointer once and waits until the system reports it there: a second move
// soon after could be undone by the first one's late pointer event.
bool placeCursor(int x, int y)
{
    SetCursorPos(x, y);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(10)) {
        POINT cursor;
        if (GetCursorPos(&cursor) && cursor.x == x && cursor.y == y)
            return true;
    }
    return false;
}

TEST_F(SpotlightTick, RedrawsOnlyWhenTheCursorMoved)
{
    const int width = spotlightImage.width, height = spotlightImage.height;
    const int screenW = screenRect.right, screenH = screenRect.bottom;
    ASSERT_TRUE(placeCursor(200, 300));
    press({VK_MENU, kF9});

    lastCursorPos = {200, 300};
    tick();
    ASSERT_TRUE(shown());
    EXPECT_EQ(lastStampPos.x, 0) << "redrawn without a move";
    ASSERT_TRUE(waitForKeyResync());

    lastCursorPos = {201, 300}; // as if drawn one pixel away
    tick();
    ASSERT_TRUE(shown());
    EXPECT_EQ(lastCursorPos.x, 200);
    EXPECT_EQ(lastCursorPos.y, 300);
    EXPECT_EQ(lastStampPos.x, 200 - width / 2);
    EXPECT_EQ(lastStampPos.y, screenH - height / 2 - 300);
    // The pixel under the cursor is lit; one beside the spotlight stays dim.
    const uint32_t* cursorRow = overlayPixels + size_t(screenH - 1 - 300) * size_t(screenW);
    EXPECT_EQ(cursorRow[200] >> 24, 0u);
    EXPECT_EQ(cursorRow[200 + width] >> 24, 175u);

    lastStampPos = {7, 7}; // a marker that any redraw replaces
    tick();
    EXPECT_EQ(lastStampPos.x, 7) << "redrawn without a move";
}
