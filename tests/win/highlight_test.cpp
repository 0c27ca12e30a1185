#include "injected_input.h"
#include "win_test_support.h"

#include "app/app.h"
#include "input/highlight.h"
#include "input/spotlight_timer.h"
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
        highPrev = 0;
        highlightActive = 0;
        dragAnchor = dragCurrent = {};
        lastStampPos = {};
        fillOverlay();
        ShowWindow(overlayWindow, SW_HIDE);
        ShowWindow(outlineWindow, SW_HIDE);
        settleWindows();
    }
    void TearDown() override
    {
        for (WORD key : {VK_F10, VK_F9, VK_MENU})
            setKey(key, false);
        ShowWindow(overlayWindow, SW_HIDE);
        ShowWindow(outlineWindow, SW_HIDE);
        settleWindows();
        highPrev = 0;
        highlightActive = 0;
    }

    // One tick of the sweep with ALT+F10 held and the cursor at (x, y).
    static void heldStepAt(int x, int y)
    {
        moveCursor(x, y);
        setKey(VK_MENU, true);
        setKey(VK_F10, true);
        highlightSweepStep();
    }
    // The first tick after the release. The cursor has moved on: that position must not
    // count.
    static void releaseStep()
    {
        moveCursor(5, 5);
        setKey(VK_F10, false);
        setKey(VK_MENU, false);
        highlightSweepStep();
    }
    static void sweep(POINT from, POINT to)
    {
        heldStepAt(from.x, from.y);
        heldStepAt((from.x + to.x) / 2, (from.y + to.y) / 2);
        heldStepAt(to.x, to.y);
        releaseStep();
    }

    static int alphaAt(int x, int y)
    {
        return int(overlayPixels[size_t(screenHeight() - 1 - y) * screenWidth() + x] >> 24);
    }
    static long litPixelCount()
    {
        long count = 0;
        for (long i = 0, n = long(screenWidth()) * screenHeight(); i < n; ++i)
            count += overlayPixels[i] == 0;
        return count;
    }
    // Exactly the rectangle is clear: its edge pixels lit, their outside neighbours dimmed.
    static void expectLitExactly(RECT rect)
    {
        EXPECT_EQ(litPixelCount(), long(rect.right - rect.left) * (rect.bottom - rect.top));
        EXPECT_EQ(alphaAt(rect.left, rect.top), 0);
        EXPECT_EQ(alphaAt(rect.right - 1, rect.bottom - 1), 0);
        EXPECT_EQ(alphaAt(rect.left - 1, rect.top), kDim);
        EXPECT_EQ(alphaAt(rect.left, rect.top - 1), kDim);
        EXPECT_EQ(alphaAt(rect.right, rect.bottom - 1), kDim);
        EXPECT_EQ(alphaAt(rect.right - 1, rect.bottom), kDim);
    }
};

TEST_F(Highlight, ReleaseLightsTheSweptRectangleWhicheverWayItWasSwept)
{
    ASSERT_TRUE(overlayPixels);
    const RECT swept = {200, 150, 520, 400};
    struct {
        POINT from, to;
        const char* direction;
    } cases[] = {
        {{200, 150}, {520, 400}, "down-right"},
        {{520, 400}, {200, 150}, "up-left"},
        {{520, 150}, {200, 400}, "down-left"},
        {{200, 400}, {520, 150}, "up-right"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.direction);
        SetUp();
        // A spotlight stamp left on the surface goes at the release.
        fillRect(overlayView(), 10, 10, 50, 50, 0);
        sweep(c.from, c.to);

        EXPECT_EQ(highlightActive, 1);
        EXPECT_EQ(highPrev, 0);
        EXPECT_EQ(dragAnchor.x, swept.left);
        EXPECT_EQ(dragAnchor.y, swept.top);
        EXPECT_EQ(dragCurrent.x, swept.right);
        EXPECT_EQ(dragCurrent.y, swept.bottom);
        EXPECT_TRUE(IsWindowVisible(overlayWindow));
        EXPECT_FALSE(IsWindowVisible(outlineWindow));
        expectLitExactly(swept);
    }

    // A tap without moving lights nothing: the whole screen dims until a click.
    sweep({300, 300}, {300, 300});
    EXPECT_EQ(highlightActive, 1);
    EXPECT_TRUE(IsWindowVisible(overlayWindow));
    EXPECT_EQ(litPixelCount(), 0);
}

TEST_F(Highlight, OutlineFollowsTheSweepOnlyWhenSwitchedOn)
{
    struct {
        int16_t showOutlineValue;
        bool shown;
    } cases[] = {{1, true}, {0, false}, {kNoValue, false}};
    for (auto c : cases) {
        SCOPED_TRACE(c.showOutlineValue);
        SetUp();
        optionValues[showOutline] = c.showOutlineValue;
        heldStepAt(600, 500);
        heldStepAt(300, 200);

        EXPECT_EQ(bool(IsWindowVisible(outlineWindow)), c.shown);
        if (c.shown) {
            RECT outline = {};
            GetWindowRect(outlineWindow, &outline);
            EXPECT_EQ(outline.left, 300);
            EXPECT_EQ(outline.top, 200);
            EXPECT_EQ(outline.right, 600);
            EXPECT_EQ(outline.bottom, 500);
        }
        EXPECT_EQ(highlightActive, 0) << "nothing is lit before the release";

        releaseStep();
        EXPECT_FALSE(IsWindowVisible(outlineWindow));
        EXPECT_EQ(highlightActive, 1);
        expectLitExactly({300, 200, 600, 500});
    }
}

TEST_F(Highlight, NewSweepReplacesTheShowingHighlightAtItsRelease)
{
    const RECT first = {100, 100, 200, 180};
    const RECT second = {700, 400, 900, 650};
    sweep({first.left, first.top}, {first.right, first.bottom});

    // The old highlight stays while the new one is swept.
    heldStepAt(second.right, second.bottom);
    heldStepAt(second.left, second.top);
    EXPECT_EQ(highlightActive, 1);
    expectLitExactly(first);

    releaseStep();
    EXPECT_EQ(highlightActive, 1);
    expectLitExactly(second);
}

TEST_F(Highlight, SpotlightShortcutLeavesAShowingHighlightAlone)
{
    ASSERT_TRUE(isOptionOn(holdMode));
    const RECT swept = {400, 300, 640, 420};
    sweep({swept.left, swept.top}, {swept.right, swept.bottom});
    const StampPos stamped = lastStampPos;

    // In hold mode a tick without the shortcut would hide the overlay, and one with it
    // would stamp the spotlight at the cursor.
    moveCursor(100, 100);
    spotlightTick();
    EXPECT_TRUE(IsWindowVisible(overlayWindow));

    for (int tick = 0; tick < 3; ++tick) {
        moveCursor(100 + tick * 40, 100);
        setKey(VK_MENU, true);
        setKey(VK_F9, true);
        spotlightTick();
    }
    EXPECT_TRUE(IsWindowVisible(overlayWindow));
    EXPECT_EQ(highlightActive, 1);
    EXPECT_EQ(lastStampPos.x, stamped.x);
    EXPECT_EQ(lastStampPos.y, stamped.y);
    expectLitExactly(swept);
}

TEST_F(Highlight, ClickOnEitherWindowEndsTheHighlight)
{
    for (HWND* pressed : {&overlayWindow, &outlineWindow}) {
        SCOPED_TRACE(pressed == &overlayWindow ? "overlay" : "outline");
        SetUp();
        sweep({100, 100}, {300, 300});
        ASSERT_EQ(highlightActive, 1);

        SendMessageA(*pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        EXPECT_EQ(highlightActive, 0);
        EXPECT_FALSE(IsWindowVisible(overlayWindow));
        EXPECT_EQ(litPixelCount(), 0) << "the surface is dimmed again";
        EXPECT_EQ(dragAnchor.x, 100) << "the corners are kept";
    }
}

} // namespace
