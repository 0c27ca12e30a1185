#include "injected_input.h"
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

#include <cstdio>
#include <vector>

namespace {

constexpr DWORD kResyncTimeoutMs = 5000;
constexpr DWORD kLongGuardMs = 60000;
const std::vector<WORD> kAltF9 = {VK_MENU, VK_F9};

class SpotlightTick : public testing::Test {
  protected:
    std::vector<WORD> held;

    void SetUp() override
    {
        ensureShellWindows();
        snprintf(programDir, sizeof programDir, "%s", distDir().c_str());
        reset();
        loadSpotlightImage();
        ASSERT_GT(spotlightImage.width, 0);
    }
    void TearDown() override { reset(); }
    void reset()
    {
        hold({});
        ShowWindow(overlayWindow, SW_HIDE);
        settleWindows();
        setDefaultValues();
        isOptsVisible = highlightActive = 0;
        lastToggleTick = toggleGuardMs = 0;
        fillOverlay();
        lastStampPos = {0, 0};
    }
    // Releases the keys held so far; these are pressed at every tick from now on.
    void hold(const std::vector<WORD>& keys)
    {
        for (WORD key : held)
            setKey(key, false);
        held = keys;
    }
    // Showing the overlay gives it the X keyboard focus, and Wine then sets every key to
    // what the X server says is down: none, since injected keys do not go through it. That
    // can come after the show returns, so a show waits for it before keys are pressed again.
    void awaitKeyboardResync()
    {
        for (DWORD start = GetTickCount(); GetTickCount() - start < kResyncTimeoutMs; Sleep(5)) {
            settleWindows();
            if (std::none_of(held.begin(), held.end(), [](WORD key) { return GetAsyncKeyState(key) < 0; }))
                return;
        }
        ADD_FAILURE() << "the keyboard was never reset after the overlay showed";
    }
    void tick()
    {
        for (WORD key : held)
            setKey(key, true);
        const bool wasShown = shown();
        spotlightTick();
        if (!wasShown && shown())
            awaitKeyboardResync();
    }
    static bool shown() { return IsWindowVisible(overlayWindow) != 0; }
};

} // namespace

// Shown while the whole shortcut is held, hidden as soon as either key is released.
TEST_F(SpotlightTick, HoldModeShowsWhileHeldAndHidesOnRelease)
{
    struct {
        int16_t modifiers;
        std::vector<WORD> keys; // the last one is released
        bool shows;
    } cases[] = {
        {kModAlt, {VK_MENU, VK_F9}, true},
        {kModAlt, {VK_F9, VK_MENU}, true},
        {kModAlt, {VK_F9}, false},
        {0, {VK_F9}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "modifiers " << c.modifiers << ", last key " << c.keys.back());
        optionValues[spotlightModifiers] = c.modifiers;
        hold(c.keys);
        tick();
        EXPECT_EQ(shown(), c.shows);
        hold(std::vector<WORD>(c.keys.begin(), c.keys.end() - 1));
        tick();
        EXPECT_FALSE(shown());
    }
}

// Any entry but 1 means toggle mode. A press flips the overlay once; holding it flips
// again only once the guard has passed, and a release changes nothing.
TEST_F(SpotlightTick, ToggleModeFlipsOncePerAcceptedPress)
{
    optionValues[holdMode] = kNoValue;
    hold(kAltF9);
    tick();
    EXPECT_TRUE(shown());
    EXPECT_EQ(toggleGuardMs, 500u);
    toggleGuardMs = kLongGuardMs; // so that slow ticks stay within it
    tick();
    EXPECT_TRUE(shown()) << "flipped again within the guard";
    hold({});
    tick();
    EXPECT_TRUE(shown()) << "hidden by a release";

    hold(kAltF9);
    lastToggleTick = GetTickCount() - kLongGuardMs - 1;
    tick();
    EXPECT_FALSE(shown()) << "not flipped once the guard passed";
}

// While the options window or a highlight is showing, the tick neither shows, hides nor
// redraws the overlay. Otherwise it redraws only when the cursor moved, centred on it.
TEST_F(SpotlightTick, RedrawsOnlyWhenTheCursorMovedAndNotWhileOptionsOrHighlightShow)
{
    moveCursor(200, 300);
    for (int state = 0; state < 3; ++state) {
        SCOPED_TRACE(state == 0 ? "options showing" : state == 1 ? "highlight showing" : "neither");
        isOptsVisible = state == 0;
        highlightActive = state == 1;
        hold(kAltF9);
        tick();
        EXPECT_EQ(shown(), state == 2);
        ShowWindow(overlayWindow, SW_SHOW);
        awaitKeyboardResync();

        lastCursorPos = {200, 300};
        lastStampPos = {7, 7}; // a marker that any redraw replaces
        tick();
        EXPECT_TRUE(shown() && lastStampPos.x == 7) << "redrawn without a move";
        // Released while ignored, so that a tick that did act would hide the overlay.
        hold(state == 2 ? kAltF9 : std::vector<WORD>());
        lastCursorPos = {201, 300}; // as if drawn one pixel away
        tick();
        EXPECT_TRUE(shown());
        EXPECT_EQ(lastStampPos.x != 7, state == 2) << "redrawn after a move";
        ShowWindow(overlayWindow, SW_HIDE);
    }
}
