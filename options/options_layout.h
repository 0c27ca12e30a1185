// The options window's arithmetic that needs no window: where the pages go inside the
// tab control, where the window goes on the screen, the opacity trackbar's scale and
// the label beside it.
#pragma once
#include <cstddef>

struct PageRect {
    int x;
    int y;
    int width;
    int height;
};

// The pages cover the tab control's display area: inside its border and below the row
// of tabs. The edges are the tab control's, in the options window's client coordinates;
// tabItemHeight is the height of one tab.
PageRect pageRectInTab(int tabLeft, int tabTop, int tabRight, int tabBottom, int tabItemHeight);

// Centred on the screen (each half truncated toward zero), near the top edge, so that
// the preview near the bottom stays in sight.
constexpr int kOptionsWindowY = 10;
inline int optionsWindowX(int screenWidth, int optionsWidth)
{
    return screenWidth / 2 - optionsWidth / 2;
}

// The trackbar shows the opacity in ten steps of 25; an opacity between two steps
// shows the lower one (truncated toward zero), and the trackbar clamps to its range.
constexpr int kOpacityPerTrackbarStep = 25;
constexpr int kTrackbarMinPosition = 1;
constexpr int kTrackbarMaxPosition = 10;
constexpr int trackbarPositionFor(int opacity)
{
    return opacity / kOpacityPerTrackbarStep;
}
constexpr int opacityAtPosition(int position)
{
    return position * kOpacityPerTrackbarStep;
}

// The label beside the trackbar: position 7 reads "70% Opaque". Returns false, with an
// empty buffer, when the text does not fit.
bool formatOpacityLabel(int position, char* buffer, size_t size);
