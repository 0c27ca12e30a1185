#include "options/options_layout.h"

#include <cstdio>

// The tab control's border takes 3 pixels on the left and top and 2 more on the right
// and bottom edges.
static constexpr int kPageInsetLeftTop = 3;
static constexpr int kPageInsetBoth = 5;
static constexpr int kPercentPerTrackbarStep = 10;

PageRect pageRectInTab(int tabLeft, int tabTop, int tabRight, int tabBottom, int tabItemHeight)
{
    return {tabLeft + kPageInsetLeftTop, tabTop + tabItemHeight + kPageInsetLeftTop,
            tabRight - tabLeft - kPageInsetBoth, tabBottom - tabTop - tabItemHeight - kPageInsetBoth};
}

bool formatOpacityLabel(int position, char* buffer, size_t size)
{
    if (size == 0)
        return false;
    int length = snprintf(buffer, size, "%d%% Opaque", position * kPercentPerTrackbarStep);
    if (length < 0 || size_t(length) >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}
