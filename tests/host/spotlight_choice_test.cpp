#include "overlay/spotlight_choice.h"
#include "settings/option_table.h"

#include <gtest/gtest.h>

#include <string>

// The first shape and the first size that are exactly 1 win; blur only when exactly 1.
TEST(SpotlightChoice, PrecedenceAndBlurFromTheOptionTable)
{
    const int entries[] = {shapeCircle, shapeRect, shapeThinRect,  sizeSmall,
                           sizeMedium,  sizeLarge, sizeExtraLarge, blurEnabled};
    struct {
        int16_t values[8];
        const char* file;
    } cases[] = {
        {{1, 1, 0, 0, 0, 1, 0, 2}, "\\spotlightCircleLarge.bmp"},
        {{2, 1, 1, 0, 9999, 0, 1, 0}, "\\spotlightRectExtraLarge.bmp"},
        {{0, 0, 1, 1, 0, 1, 0, 1}, "\\spotlightTRectSmallBlur.bmp"},
        {{0, 0, 0, 0, 0, 1, 0, 0}, ".bmp"},     // no shape
        {{1, 0, 0, 0, 0, 0, 0, 1}, "Blur.bmp"}, // no size
    };
    for (auto c : cases) {
        for (int i = 0; i < 8; ++i)
            optionValues[entries[i]] = c.values[i];
        char path[kSpotlightPathSize];
        EXPECT_TRUE(buildSpotlightPath("C:\\X", currentSpotlightSettings(), path, sizeof path));
        EXPECT_EQ(std::string(path), std::string("C:\\X") + c.file);
    }
    setDefaultValues();
}

TEST(SpotlightBitmap, OnlyBottomUpUncompressed24BitFitting16Bits)
{
    struct {
        const char* what;
        SpotlightBitmapInfo info;
        bool usable;
    } cases[] = {
        {"odd width, padded rows", {true, 24, 0, 105, 37, 37, 316, true}, true},
        {"32 bits", {true, 32, 0, 304, 304, 304, 1216, true}, false},
        {"top-down", {true, 24, 0, 304, 304, -304, 912, true}, false},
        {"not a section", {false, 24, 0, 304, 304, 304, 912, true}, false},
        {"width wraps 16 bits", {true, 24, 0, 65540, 1, 1, 196620, true}, false},
    };
    for (auto c : cases)
        EXPECT_EQ(spotlightBitmapUsable(c.info), c.usable) << c.what;
}
