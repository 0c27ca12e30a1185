#include "input/highlight.h"

#include "app/trace.h"
#include "input/highlight_rect.h"
#include "input/shortcut_keys.h"
#include "overlay/overlay_surface.h"
#include "settings/option_table.h"

unsigned char highPrev;
unsigned char highlightActive;
POINT dragAnchor;
POINT dragCurrent;

static int16_t asyncKeyState(int virtualKey)
{
    return GetAsyncKeyState(virtualKey);
}

static ScreenPoint screenPoint(POINT point)
{
    return {int(point.x), int(point.y)};
}

// Two calls, size then position, each showing the outline and raising it above the
// overlay, so an old highlight stays visible beneath the new sweep.
static void placeOutline()
{
    HighlightRect rect = rectOfCorners(screenPoint(dragAnchor), screenPoint(dragCurrent));
    SetWindowPos(outlineWindow, HWND_TOP, rect.left, rect.top, rect.width, rect.height,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOACTIVATE);
    SetWindowPos(outlineWindow, HWND_TOP, rect.left, rect.top, rect.width, rect.height,
                 SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOACTIVATE);
}

static void placeHighlight()
{
    trace("highPrev!=0");
    ScreenPoint anchor = screenPoint(dragAnchor);
    ScreenPoint current = screenPoint(dragCurrent);
    normaliseCorners(anchor, current);
    dragAnchor = {anchor.x, anchor.y};
    dragCurrent = {current.x, current.y};
    HighlightRect rect = rectOfCorners(anchor, current);

    // The fill takes away the spotlight and any earlier highlight.
    fillOverlay();
    drawOverlay(overlayWindow, rect.left, surfaceRowOfBottom(screenHeight(), rect.top, rect.height), 1,
                rect.width, rect.height);
    ShowWindow(overlayWindow, SW_SHOWNA);
    ShowWindow(outlineWindow, SW_HIDE);
    highlightActive = 1;
}

// The corners are the cursor positions of the ticks while the shortcut was held; the
// release itself reads no position, so the last held tick gives the far corner.
void highlightSweepStep()
{
    if (shortcutHeld(asyncKeyState, optionValues[highlightModifiers], optionValues[highlightKey])) {
        if (highPrev == 0)
            GetCursorPos(&dragAnchor);
        GetCursorPos(&dragCurrent);
        if (isOptionOn(showOutline))
            placeOutline();
        highPrev = 1;
        return;
    }
    if (highPrev == 1)
        placeHighlight();
    highPrev = 0;
}

// Presses on lit pixels pass through to the window beneath, so only a press on the
// dimmed area (or on the outline) arrives here. The surface is refilled but not
// presented: the hidden window needs no new picture until the next draw.
void endHighlightOnClick()
{
    trace("WM_LBUTTONDOWN");
    highlightActive = 0;
    fillOverlay();
    ShowWindow(overlayWindow, SW_HIDE);
}
