// Rectangle arithmetic of the dynamic highlight: the swept corners, the rectangle they
// span and where its bottom edge falls on the bottom-up overlay surface. Window-free.
#pragma once

struct ScreenPoint {
    int x;
    int y; // grows downwards
};

struct HighlightRect {
    int left;
    int top;
    int width; // covers columns left .. left + width - 1
    int height;
};

// The rectangle spanned by two opposite corners, whichever way round they were swept.
// The pixel under the far corner lies just outside it.
HighlightRect rectOfCorners(ScreenPoint anchor, ScreenPoint current);

// Puts the top-left corner into anchor and the bottom-right one into current: the y's
// are swapped when current is above anchor, then the x's, independently, when current
// is left of anchor.
void normaliseCorners(ScreenPoint& anchor, ScreenPoint& current);

// The surface row (counted from the bottom) of a rectangle's lowest screen row: the
// rectangle ends on screen row top + height - 1, which is surface row
// screenHeight - top - height.
int surfaceRowOfBottom(int screenHeight, int top, int height);
