#include "win_test_support.h"

#include "app/app.h"
#include "input/highlight.h"
#include "options/options_window.h"
#include "overlay/overlay_surface.h"
#include "settings/option_table.h"

#include <gtest/gtest.h>
#include <windows.h>

// A press anywhere on the overlay, the caption band at the top included, reaches the
// window procedure without activating the overlay, and ends the highlight.
TEST(Highlight, PressOnTheOverlayEndsItWithoutActivation)
{
    ensureShellWindows();
    setDefaultValues();
    fillOverlay();
    showHighlight({100, 100, 50, 50}, screenHeight() - 150, {100, 100});
    highlightActive = 1;
    ASSERT_TRUE(IsWindowVisible(overlayWindow) &&
                overlayPixels[(screenHeight() - 121) * screenWidth() + 120] == 0);
    EXPECT_EQ(SendMessageA(overlayWindow, WM_NCHITTEST, 0, MAKELPARAM(20, 2)), HTCLIENT);
    EXPECT_EQ(SendMessageA(overlayWindow, WM_MOUSEACTIVATE, WPARAM(overlayWindow),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    SendMessageA(overlayWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 2));
    EXPECT_TRUE(highlightActive == 0 && !IsWindowVisible(overlayWindow));
    EXPECT_EQ(overlayPixels[(screenHeight() - 121) * screenWidth() + 120] >> 24, 175u) << "dimmed again";
}

// The tick polls nothing while the options window shows, so a release would be seen only
// after it closes: opening it ends the sweep at once.
TEST(Highlight, OpeningTheOptionsWindowEndsASweep)
{
    ensureShellWindows();
    highPrev = 1;
    placeOutline({10, 10, 40, 40});
    showOptions();
    EXPECT_TRUE(highPrev == 0 && !IsWindowVisible(outlineWindow));
    isOptsVisible = 0;
    ShowWindow(optionsWindow, SW_HIDE);
    ShowWindow(overlayWindow, SW_HIDE);
}
