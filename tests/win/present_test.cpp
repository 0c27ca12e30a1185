#include "win_test_support.h"

#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

static RECT presented;
static BOOL WINAPI recordPresent(HWND, const UPDATELAYEREDWINDOWINFO* info)
{
    presented = info->prcDirty ? *info->prcDirty : RECT{-1, -1, -1, -1};
    return TRUE;
}

// After a fill the whole surface changed; after a move, the union of the old and the new
// stamp, counted from the overlay's top-left corner.
TEST(Present, AMoveHandsOverTheUnionOfBothPlaces)
{
    ensureShellWindows();
    setDefaultValues();
    snprintf(programDir, sizeof programDir, "%s", ORBIQA_DIST_DIR);
    loadSpotlightImage();
    presentFunction = recordPresent;
    fillOverlay();
    drawOverlay(overlayWindow, 100, 200, 0, 0, 0);
    const RECT whole = {0, 0, screenWidth(), screenHeight()};
    EXPECT_TRUE(EqualRect(&presented, &whole));
    drawOverlay(overlayWindow, 130, 190, 0, 0, 0);
    const int width = spotlightMask().width, height = spotlightMask().height, bottom = screenHeight() - 190;
    const RECT moved = {100, bottom - 10 - height, 130 + width, bottom};
    EXPECT_TRUE(width > 0 && EqualRect(&presented, &moved))
        << presented.left << "," << presented.top << "," << presented.right << "," << presented.bottom;
    presentFunction = UpdateLayeredWindowIndirect;
}
