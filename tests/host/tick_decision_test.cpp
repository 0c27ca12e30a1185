#include "input/tick_decision.h"

#include "fake_keyboard.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

const std::set<int> kAltF9 = {kVkMenu, kF9}, kAltF10 = {kVkMenu, kF10}, kNone = {};
using Show = TickActions::Show;

// An unreadable cursor still hands out a point, which must not be used.
ScreenPoint cursorAt;
int cursorReads, cursorReadable;
bool fakeCursor(ScreenPoint& cursor)
{
    ++cursorReads, cursor = cursorAt;
    return cursorReadable;
}

// The defaults: ALT+F9 and ALT+F10, top-most and outline on; a hidden overlay; an 800-line
// screen.
TickInputs inputs(const std::set<int>& down, int holdMode = 1, ScreenPoint cursor = {100, 200},
                  bool read = true)
{
    keysDown = down, keysRead.clear();
    cursorAt = cursor, cursorReadable = read, cursorReads = 0;
    return {fakeKeyState, kModAlt, kF9,        kModAlt, kF10, holdMode,     1,    1, false, false,
            false,        false,   fakeCursor, 1000,    800,  kWakeGraceMs, false};
}

auto sameRect = [](HighlightRect a, HighlightRect b) { return memcmp(&a, &b, sizeof a) == 0; };

} // namespace

// Options window first, then the top-most upkeep, then a highlight on screen, then the mode;
// the cursor is read only for a sweep or a redraw, and a redraw needs a readable move. The
// tick may stop only with nothing shown, held (the keys alone count) or swept, and not right
// after a start. A pressed event is one press for toggle mode and nothing for hold mode.
TEST(Tick, WhatShowsTheOverlayAndWhatStopsTheTick)
{
    // clang-format off
    struct { int holdMode; std::set<int> down; int options, highlight, visible, overlayFront, outlineFront, pressed,
             raise, topmost, redraw, handBack, outline, stop; Show show; } cases[] = {
        {1, kAltF9, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, Show::show},
        {1, {kF9}, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, Show::hide},
        {1, {kVkMenu}, 0, 0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 1, Show::hide},
        {1, kAltF9, 0, 0, 1, 0, 1, 0, 0, 0, 1, 1, 0, 0, Show::show},
        {1, kAltF9, 1, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, Show::keep},
        {1, kNone, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Show::keep},
        {1, kNone, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Show::keep},
        {9999, kNone, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, Show::keep},
        {1, kAltF10, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, Show::keep},
        {1, kAltF10, 0, 1, 1, 0, 0, 0, 0, 1, 0, 0, 1, 0, Show::keep},
        {9999, kAltF10, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 1, 0, Show::keep},
        {1, {kF10}, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Show::hide},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TickInputs in = inputs(c.down, c.holdMode);
        in.optionsShown = c.options, in.overlayVisible = c.visible, in.spotlightPressed = c.pressed;
        in.overlayForeground = c.overlayFront, in.outlineForeground = c.outlineFront;
        TickState state = {false, c.highlight == 1, false, {}, {}, {}, 0, 0};
        const TickActions act = decideTick(in, state);
        EXPECT_TRUE(act.raiseOptions == c.raise && act.keepTopmost == c.topmost && act.show == c.show);
        EXPECT_TRUE(act.redraw == c.redraw && state.lastCursor.x == (c.redraw ? 100 : 0));
        EXPECT_TRUE(act.handBackForeground == c.handBack && act.placeOutline == c.outline);
        EXPECT_EQ(cursorReads, c.outline || c.redraw ? 1 : 0) << "only when needed, at most once";
        EXPECT_EQ(act.mayStop, c.stop == 1);
        in.awakeMs = kWakeGraceMs - 1;
        EXPECT_FALSE(decideTick(in, state).mayStop) << "right after a start";
        EXPECT_FALSE(decideTick(in, state).redraw) << "the cursor has not moved";
        cursorAt = {5, 5}, cursorReadable = false;
        EXPECT_FALSE(decideTick(in, state).redraw || state.lastCursor.x == 5) << "nor can it be read";
    }
}

// Unsigned and strictly longer than the guard (244 and 245 across the wrap); holding 0.8 s flips
// twice, a short press once.
// Pressed events (every pressedEvery ms) count like a held key: a tap between two ticks flips
// once, two inside the guard flip once, and autorepeat flips no more than holding.
TEST(Tick, ToggleGuardAcrossTheWrap)
{
    // clang-format off
    struct { uint32_t start, last, guard; int heldMs, flips, held, pressedEvery; } cases[] = {
        {1000, 0, 0, 0, 1, 1, 0}, {1500, 1000, 500, 0, 0, 1, 0}, {1501, 1000, 500, 0, 1, 1, 0},
        {244, 0xFFFFFF00u, 500, 0, 0, 1, 0}, {245, 0xFFFFFF00u, 500, 0, 1, 1, 0}, {1000, 0, 0, 800, 2, 1, 30},
        {1000, 0, 0, 800, 2, 1, 0}, {1000, 0, 0, 300, 1, 1, 0}, {0xFFFFFF00u, 0, 0, 800, 2, 1, 0},
        {1000, 0, 0, 100, 1, 0, 1000}, {1000, 0, 0, 500, 1, 0, 250}, {1000, 0, 0, 510, 2, 0, 510},
    };
    // clang-format on
    for (auto c : cases) {
        TickState state = {false, false, false, {}, {}, {}, c.last, c.guard};
        int flips = 0; // the overlay starts hidden, so it is visible after an odd count
        for (int t = 0; t <= c.heldMs; t += 10) {
            TickInputs in = inputs(c.held ? kAltF9 : kNone, 0);
            in.spotlightPressed = c.pressedEvery && t % c.pressedEvery == 0;
            in.now = c.start + uint32_t(t), in.overlayVisible = flips % 2;
            const Show show = decideTick(in, state).show;
            EXPECT_TRUE(show == Show::keep || show == (flips % 2 ? Show::hide : Show::show));
            flips += show != Show::keep;
        }
        EXPECT_EQ(flips, c.flips) << c.start << " held " << c.heldMs;
    }
}

// The anchor is the first held tick's readable cursor, the far corner the last one's; the
// release lights the normalised rectangle. A sweep with no width or no height (row -1) only
// hides the outline, and a highlight already on screen stays.
TEST(Tick, SweepLightsTheRectangleOfTheFirstAndLastHeldTicks)
{
    const ScreenPoint kLost = {-1, -1}; // the cursor could not be read
    // clang-format off
    // The outline shows only for entry 1.
    struct { std::vector<ScreenPoint> held; HighlightRect lit; int surfaceRow, outlineEntry, outlines, onBefore = 0; }
        cases[] = {
        {{kLost, {200, 150}, {900, 700}, {520, 400}}, {200, 150, 320, 250}, 400, 1, 3},
        {{{900, 600}, {700, 450}}, {700, 450, 200, 150}, 200, 9999, 0},
        {{{420, 100}, kLost, {100, 300}, kLost}, {100, 100, 320, 200}, 500, 1, 2},
        {{{600, 700}, {800, 500}}, {600, 500, 200, 200}, 100, 0, 0}, {{{40, 30}}, {40, 30, 0, 0}, -1, 1, 1},
        {{{40, 90}, {40, 30}}, {40, 30, 0, 60}, -1, 1, 2, 1}, {{{40, 30}, {90, 30}}, {40, 30, 50, 0}, -1, 1, 2},
        {{{42, 33}, {40, 30}}, {40, 30, 2, 3}, 767, 1, 2},
        {{{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 801, 1, 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TickState state = {false, c.onBefore == 1, false, {1, 1}, {2, 2}, {}, 0, 0};
        HighlightRect outline = c.lit;
        int outlines = 0;
        for (ScreenPoint point : c.held) {
            TickInputs in = inputs(kAltF10, 1, point, point.x != kLost.x);
            in.showOutline = c.outlineEntry;
            const TickActions act = decideTick(in, state);
            EXPECT_TRUE(!act.lightHighlight && !act.hideOutline && !act.redraw);
            outlines += act.placeOutline;
            outline = act.placeOutline ? act.outline : outline;
        }
        const TickActions act = decideTick(inputs(kNone, 1, {5, 5}), state);
        const bool lights = c.surfaceRow != -1;
        EXPECT_TRUE(act.lightHighlight == lights && act.hideOutline == !lights && outlines == c.outlines &&
                    sameRect(outline, c.lit) && !act.redraw);
        EXPECT_TRUE(!lights || (sameRect(act.lit, c.lit) && act.litSurfaceRow == c.surfaceRow &&
                                act.show == Show::keep && !act.mayStop));
        EXPECT_TRUE(state.highlightActive == (lights || c.onBefore) && !state.highPrev &&
                    state.dragAnchor.x == c.lit.left && state.dragAnchor.y == c.lit.top);
    }
}

// A sweep cut short (a display change, the options window) waits for the keys' release: held
// on, they move no outline and their release lights nothing; a cut with no sweep blocks nothing.
TEST(Tick, SweepCutShortStartsNoNewSweepUntilReleased)
{
    // Each tick: the keys held, the sweep cut just before, then the outline placed and a rectangle lit.
    const int ticks[][4] = {{1, 1, 1, 0}, {1, 0, 1, 0}, {1, 1, 0, 0}, {1, 0, 0, 0},
                            {0, 0, 0, 0}, {1, 0, 1, 0}, {1, 0, 1, 0}, {0, 0, 0, 1}};
    TickState state = {};
    for (int t = 0; t < 8; ++t) {
        if (ticks[t][1])
            dropSweep(state);
        const TickActions act = decideTick(inputs(ticks[t][0] ? kAltF10 : kNone, 1, {t * 10, t * 10}), state);
        EXPECT_TRUE(act.placeOutline == ticks[t][2] && act.lightHighlight == ticks[t][3]) << t;
    }
}

// The pointer (CTRL+F11 here) keeps the overlay from its start until its trail has faded; the
// spotlight's and the highlight's shortcuts do nothing meanwhile, except that a press of theirs
// cuts a fading trail short. It never starts over the spotlight, a highlight or a sweep.
TEST(Tick, PointerOwnsTheOverlayFromItsShortcutUntilItsTrailFades)
{
    constexpr int kF11 = 0x7A;
    const std::set<int> kPointer = {kVkControl, kF11}, kBoth = {kVkControl, kVkMenu, kF9, kF11};
    // clang-format off
    struct { int holdMode; std::set<int> down; int pressed, visible, trailLeft, start, end, dot, draw; Show show;
             int stop; } ticks[] = {
        {1, {kF11}, 0, 0, 0, 0, 0, 0, 0, Show::hide, 0}, {1, kPointer, 0, 0, 0, 1, 0, 1, 1, Show::keep, 0},
        {1, kBoth, 1, 1, 1, 0, 0, 1, 1, Show::keep, 0}, {1, kAltF10, 0, 1, 1, 0, 0, 0, 1, Show::keep, 0},
        {1, kNone, 0, 1, 1, 0, 0, 0, 1, Show::keep, 0}, {1, kNone, 0, 1, 0, 0, 1, 0, 0, Show::hide, 1},
        {1, kPointer, 0, 1, 0, 0, 0, 0, 0, Show::hide, 0}, {1, kPointer, 0, 0, 0, 1, 0, 1, 1, Show::keep, 0},
        {1, kNone, 0, 1, 1, 0, 0, 0, 1, Show::keep, 0}, {1, kAltF9, 0, 1, 1, 0, 1, 0, 0, Show::show, 0},
        {0, kNone, 1, 0, 0, 1, 0, 1, 1, Show::keep, 0}, {0, kNone, 1, 1, 1, 0, 0, 1, 1, Show::keep, 0},
        {0, kPointer, 0, 1, 1, 0, 0, 0, 1, Show::keep, 0}, {0, kNone, 0, 1, 1, 0, 0, 0, 1, Show::keep, 0},
        {0, kNone, 1, 1, 1, 0, 0, 1, 1, Show::keep, 0}, {0, kNone, 0, 1, 1, 0, 0, 1, 1, Show::keep, 0},
        {0, kNone, 1, 1, 1, 0, 0, 0, 1, Show::keep, 0}, {0, kNone, 0, 1, 0, 0, 1, 0, 0, Show::keep, 1},
    };
    // clang-format on
    TickState state = {};
    for (int t = 0; t < int(std::size(ticks)); ++t) {
        const auto& c = ticks[t];
        TickInputs in = inputs(c.down, c.holdMode, {t, 2 * t});
        in.pointerModifiers = kModControl, in.pointerKey = kF11, in.now = 1000 + 300 * uint32_t(t);
        in.pointerPressed = c.pressed, in.overlayVisible = c.visible, in.pointerTrailLeft = c.trailLeft;
        const TickActions act = decideTick(in, state);
        EXPECT_TRUE(act.startPointer == c.start && act.endPointer == c.end && act.drawPointer == c.draw &&
                    act.pointerDot == c.dot && act.show == c.show && act.mayStop == c.stop)
            << t;
        EXPECT_TRUE(!c.dot || (state.lastCursor.x == t && state.lastCursor.y == 2 * t)) << t;
    }
    // No pointer over a highlight, nor with no shortcut set.
    state = {}, state.highlightActive = true;
    TickInputs in = inputs(kPointer, 1);
    in.pointerModifiers = kModControl, in.pointerKey = kF11;
    EXPECT_FALSE(decideTick(in, state).startPointer);
    state = {}, in.pointerKey = 0;
    EXPECT_FALSE(decideTick(in, state).startPointer);
}
