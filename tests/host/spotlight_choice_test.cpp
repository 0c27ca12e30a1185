#include "overlay/spotlight_choice.h"
#include "settings/option_table.h"
#include "settings/paths.h"

#include <gtest/gtest.h>

#include <string>

// The first shape and the first size that are exactly 1 win; blur only when exactly 1.
TEST(SpotlightChoice, PrecedenceAndBlurFromTheOptionTable)
{
    // clang-format off
    const int entries[] = {shapeCircle, shapeRect, shapeThinRect, sizeSmall, sizeMedium, sizeLarge, sizeExtraLarge,
                           blurEnabled};
    struct { int16_t values[8]; const wchar_t* file; } cases[] = {
        {{1, 1, 0, 0, 0, 1, 0, 2}, L"\\spotlightCircleLarge.bmp"},
        {{2, 1, 1, 0, 9999, 0, 1, 0}, L"\\spotlightRectExtraLarge.bmp"},
        {{0, 0, 1, 1, 0, 1, 0, 1}, L"\\spotlightTRectSmallBlur.bmp"},
        {{0, 0, 1, 0, 0, 0, 1, 1}, L"\\spotlightTRectExtraLargeBlur.bmp"},         // the longest name
        {{0, 0, 0, 0, 0, 1, 0, 0}, L".bmp"}, {{1, 0, 0, 0, 0, 0, 0, 1}, L"Blur.bmp"}, // no shape, no size
    };
    // clang-format on
    for (auto c : cases) {
        for (int i = 0; i < 8; ++i)
            optionValues[entries[i]] = c.values[i];
        wchar_t path[kPathBufferSize];
        const bool built = buildSpotlightPath(L"C:\\X", currentSpotlightSettings(), path, kPathBufferSize);
        EXPECT_EQ(built ? path : L"", std::wstring(L"C:\\X") + c.file);
    }
    setDefaultValues();
}

// Odd width with padded rows is fine; 32 bits, top-down, not a section, or a width that
// wraps 16 bits is not.
TEST(SpotlightBitmap, OnlyBottomUpUncompressed24BitFitting16Bits)
{
    const SpotlightBitmapInfo bad[] = {{true, 32, 0, 304, 304, 304, 1216, true},
                                       {true, 24, 0, 304, 304, -304, 912, true},
                                       {false, 24, 0, 304, 304, 304, 912, true},
                                       {true, 24, 0, 65540, 1, 1, 196620, true}};
    EXPECT_TRUE(spotlightBitmapUsable({true, 24, 0, 105, 37, 37, 316, true}));
    for (const SpotlightBitmapInfo& info : bad)
        EXPECT_FALSE(spotlightBitmapUsable(info)) << &info - bad;
}
