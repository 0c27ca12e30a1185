#include "input/highlight.h"

#include "overlay/overlay_surface.h"
#include "settings/platform.h"

// Two calls, size then position, each showing the outline and raising it above the
// overlay, so an old highlight stays visible beneath the new sweep.
// The corners are relative to the virtual screen's corner; the window goes by the screen's.
void placeOutline(HighlightRect rect)
{
    int left = rect.left + screenRect.left, top = rect.top + screenRect.top;
    SetWindowPos(outlineWindow, HWND_TOP, left, top, rect.width, rect.height,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOACTIVATE);
    SetWindowPos(outlineWindow, HWND_TOP, left, top, rect.width, rect.height,
                 SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOACTIVATE);
}

void hideOutline()
{
    ShowWindow(outlineWindow, SW_HIDE);
}

void showHighlight(HighlightRect rect, int surfaceRow, ScreenPoint sweepStart)
{
    trace("highPrev!=0");
    // The monitor where the sweep began is dimmed; the rectangle is clipped to it.
    dimMonitorAt(sweepStart.x, sweepStart.y);
    // The fill takes away the spotlight and any earlier highlight.
    fillOverlay();
    showLitRectangle(rect.left, surfaceRow, rect.width, rect.height);
    ShowWindow(overlayWindow, SW_SHOWNA);
    hideOutline();
}

// The surface is refilled but not presented: the hidden window needs no new picture until
// the next draw.
void clearHighlight()
{
    fillOverlay();
    ShowWindow(overlayWindow, SW_HIDE);
}
