#include "injected_input.h"
#include "win_test_support.h"

#include "app/app.h"
#include "input/highlight.h"
#include "overlay/overlay_surface.h"
#include "settings/option_table.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const int kDim = 175; // the default opacity

class Highlight : public testing::Test {
  protected:
    void SetUp() override
    {
        ensureShellWindows();
        setDefaultValues();
        reset();
    }
    void TearDown() override { reset(); }
    static void reset()
    {
        for (WORD key : {VK_F10, VK_MENU})
            setKey(key, false);
        ShowWindow(overlayWindow, SW_HIDE);
        ShowWindow(outlineWindow, SW_HIDE);
        settleWindows();
        highPrev = highlightActive = 0;
        lastStampPos = {};
        fillOverlay();
    }

    // One tick of the sweep with the cursor at (x, y) and ALT+F10 held or released.
    static void stepAt(int x, int y, bool held)
    {
        moveCursor(x, y);
        setKey(VK_MENU, held);
        setKey(VK_F10, held);
        highlightSweepStep();
    }

    static int alphaAt(int x, int y)
    {
        return int(overlayPixels[(screenHeight() - 1 - y) * screenWidth() + x] >> 24);
    }
    // Exactly the rectangle is clear: as many clear pixels as it holds, two opposite
    // corners among them.
    static void expectLitExactly(RECT rect)
    {
        long lit = 0;
        for (long i = 0, n = long(screenWidth()) * screenHeight(); i < n; ++i)
            lit += overlayPixels[i] == 0;
        EXPECT_EQ(lit, long(rect.right - rect.left) * (rect.bottom - rect.top));
        EXPECT_EQ(alphaAt(rect.left, rect.top) + alphaAt(rect.right - 1, rect.bottom - 1), 0);
    }
};

} // namespace

// Swept each way in turn: the outline follows the sweep when switched on, the old
// highlight stays until the release, which lights the rectangle between the first and the
// last held positions.
TEST_F(Highlight, ReleaseLightsTheSweptRectangleWhicheverWayItWasSwept)
{
    struct {
        POINT from, to;
        RECT lit;
        int16_t outlineSetting;
    } cases[] = {
        {{200, 150}, {520, 400}, {200, 150, 520, 400}, 1},        // down-right
        {{900, 600}, {700, 450}, {700, 450, 900, 600}, kNoValue}, // up-left
        {{420, 100}, {100, 300}, {100, 100, 420, 300}, 1},        // down-left
        {{600, 700}, {800, 500}, {600, 500, 800, 700}, 0},        // up-right
    };
    fillRect(overlayView(), 10, 10, 50, 50, 0); // a spotlight stamp, gone at the first release
    RECT previous = {10, screenHeight() - 60, 60, screenHeight() - 10};
    for (auto c : cases) {
        SCOPED_TRACE(c.lit.left);
        optionValues[showOutline] = c.outlineSetting;
        stepAt(c.from.x, c.from.y, true);
        stepAt(c.to.x, c.to.y, true);
        RECT outline = {};
        GetWindowRect(outlineWindow, &outline);
        EXPECT_EQ(IsWindowVisible(outlineWindow) && EqualRect(&outline, &c.lit), c.outlineSetting == 1);
        expectLitExactly(previous);

        stepAt(5, 5, false); // the cursor has moved on: this position must not count
        EXPECT_TRUE(highlightActive == 1 && IsWindowVisible(overlayWindow) &&
                    !IsWindowVisible(outlineWindow));
        expectLitExactly(c.lit);
        previous = c.lit;
    }
    // A click on the dimmed area ends it.
    SendMessageA(overlayWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(highlightActive == 0 && !IsWindowVisible(overlayWindow));
    EXPECT_EQ(alphaAt(700, 600), kDim) << "the surface is dimmed again";
}
