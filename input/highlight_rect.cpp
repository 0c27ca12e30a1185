#include "input/highlight_rect.h"

#include <climits>
#include <cstdlib>

// Corners come from the cursor and stay far inside int, but the arithmetic is done wide
// so that no pair of inputs can overflow.
static int clampToInt(long long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

HighlightRect rectOfCorners(ScreenPoint anchor, ScreenPoint current)
{
    HighlightRect rect;
    rect.left = anchor.x < current.x ? anchor.x : current.x;
    rect.top = anchor.y < current.y ? anchor.y : current.y;
    rect.width = clampToInt(std::llabs((long long)current.x - anchor.x));
    rect.height = clampToInt(std::llabs((long long)current.y - anchor.y));
    return rect;
}

void normaliseCorners(ScreenPoint& anchor, ScreenPoint& current)
{
    if (current.y < anchor.y) {
        int y = anchor.y;
        anchor.y = current.y;
        current.y = y;
    }
    if (current.x < anchor.x) {
        int x = anchor.x;
        anchor.x = current.x;
        current.x = x;
    }
}

int surfaceRowOfBottom(int screenHeight, int top, int height)
{
    return clampToInt((long long)screenHeight - top - height);
}
