#include "overlay/spotlight_choice.h"
#include "settings/option_table.h"

#include "../../tools/asset_images.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char kProgramDir[] = "C:\\Program Files\\Orbiqa";

std::string pathFor(const SpotlightSettings& settings, const char* programDir = kProgramDir)
{
    char path[kSpotlightPathSize];
    bool built = buildSpotlightPath(programDir, settings, path, sizeof path);
    EXPECT_EQ(built, path[0] != '\0');
    return path;
}

// Circle, large, no blur: the default choice.
constexpr SpotlightSettings kDefaults = {1, 0, 0, 0, 0, 1, 0, 0};

} // namespace

TEST(SpotlightChoice, PrecedenceAndBlurFromTheOptionTable)
{
    struct {
        int16_t circle, rect, thin, small, medium, large, extraLarge, blur;
        const char* file;
    } cases[] = {
        {1, 0, 0, 0, 0, 1, 0, 0, "\\spotlightCircleLarge.bmp"},
        {1, 1, 0, 0, 0, 1, 0, 0, "\\spotlightCircleLarge.bmp"},    // circle before rectangle
        {0, 1, 1, 0, 1, 0, 0, 0, "\\spotlightRectMedium.bmp"},     // rectangle before thin
        {0, 0, 1, 1, 0, 1, 0, 0, "\\spotlightTRectSmall.bmp"},     // small before large
        {2, 1, 0, 0, 0, 0, 1, 0, "\\spotlightRectExtraLarge.bmp"}, // only exactly 1 counts
        {1, 0, 0, 0, 9999, 1, 1, 0, "\\spotlightCircleLarge.bmp"},
        {1, 0, 0, 0, 0, 0, 1, 1, "\\spotlightCircleExtraLargeBlur.bmp"},
        {1, 0, 0, 0, 0, 0, 1, 2, "\\spotlightCircleExtraLarge.bmp"},
        {1, 0, 0, 0, 0, 0, 1, -1, "\\spotlightCircleExtraLarge.bmp"},
        {0, 0, 0, 0, 0, 1, 0, 0, ".bmp"},     // no shape: the directory's own name
        {1, 0, 0, 0, 0, 0, 0, 1, "Blur.bmp"}, // no size
        {9999, 9999, 9999, 9999, 9999, 9999, 9999, 9999, ".bmp"},
    };
    for (auto c : cases) {
        optionValues[shapeCircle] = c.circle;
        optionValues[shapeRect] = c.rect;
        optionValues[shapeThinRect] = c.thin;
        optionValues[sizeSmall] = c.small;
        optionValues[sizeMedium] = c.medium;
        optionValues[sizeLarge] = c.large;
        optionValues[sizeExtraLarge] = c.extraLarge;
        optionValues[blurEnabled] = c.blur;
        EXPECT_EQ(pathFor(currentSpotlightSettings()), std::string(kProgramDir) + c.file);
    }
    setDefaultValues();
}

// Every combination names a file that the asset generator writes.
TEST(SpotlightChoice, NamesMatchTheGeneratedFiles)
{
    for (const assets::SpotlightKind& kind : assets::allSpotlightKinds()) {
        SpotlightSettings settings = {};
        int16_t* shapes[] = {&settings.shapeCircle, &settings.shapeRect, &settings.shapeThinRect};
        int16_t* sizes[] = {&settings.sizeSmall, &settings.sizeMedium, &settings.sizeLarge,
                            &settings.sizeExtraLarge};
        *shapes[int(kind.shape)] = 1;
        *sizes[int(kind.size)] = 1;
        settings.blurEnabled = kind.blur ? 1 : 0;
        EXPECT_EQ(pathFor(settings, "D:"), "D:\\" + assets::spotlightFileName(kind));
    }
}

TEST(SpotlightChoice, PathThatDoesNotFitLoadsNothing)
{
    const size_t fileLength = strlen("\\spotlightCircleLarge.bmp");
    struct {
        size_t dirLength;
        bool fits;
    } cases[] = {
        {kSpotlightPathSize - 1 - fileLength, true}, // 255 characters and the terminator
        {kSpotlightPathSize - fileLength, false},
        {259, false},
        {600, false},
    };
    for (auto c : cases) {
        std::string dir(c.dirLength, 'd');
        char buffer[kSpotlightPathSize + 16];
        memset(buffer, '#', sizeof buffer);
        bool built = buildSpotlightPath(dir.c_str(), kDefaults, buffer, kSpotlightPathSize);
        EXPECT_EQ(built, c.fits) << c.dirLength;
        EXPECT_EQ(strlen(buffer), c.fits ? kSpotlightPathSize - 1 : 0) << c.dirLength;
        for (size_t i = kSpotlightPathSize; i < sizeof buffer; ++i)
            ASSERT_EQ(buffer[i], '#') << "written past the buffer at " << i;
    }
}

TEST(SpotlightBitmap, OnlyBottomUpUncompressed24BitFitting16Bits)
{
    // A good 304 x 304 mask, changed one field at a time.
    const SpotlightBitmapInfo good = {true, 24, 0, 304, 304, 304, 912, true};
    struct {
        const char* what;
        SpotlightBitmapInfo info;
        bool usable;
    } cases[] = {
        {"good", good, true},
        {"odd width, padded rows", {true, 24, 0, 105, 37, 37, 316, true}, true},
        {"unpadded rows", {true, 24, 0, 105, 37, 37, 315, true}, false},
        {"rows too long", {true, 24, 0, 304, 304, 304, 916, true}, false},
        {"8 bits", {true, 8, 0, 304, 304, 304, 304, true}, false},
        {"32 bits", {true, 32, 0, 304, 304, 304, 1216, true}, false},
        {"top-down", {true, 24, 0, 304, 304, -304, 912, true}, false},
        {"header height differs", {true, 24, 0, 304, 304, 300, 912, true}, false},
        {"compressed", {true, 24, 1, 304, 304, 304, 912, true}, false},
        {"not a section", {false, 24, 0, 304, 304, 304, 912, true}, false},
        {"no pixels", {true, 24, 0, 304, 304, 304, 912, false}, false},
        {"no width", {true, 24, 0, 0, 304, 304, 0, true}, false},
        {"no height", {true, 24, 0, 304, 0, 0, 912, true}, false},
        {"negative width", {true, 24, 0, -4, 304, 304, -12, true}, false},
        {"widest that fits", {true, 24, 0, 10921, 1, 1, 32764, true}, true},
        {"rows past 16 bits", {true, 24, 0, 10922, 1, 1, 32768, true}, false},
        {"tallest that fits", {true, 24, 0, 1, 32767, 32767, 4, true}, true},
        {"height past 16 bits", {true, 24, 0, 1, 32768, 32768, 4, true}, false},
        {"width wraps 16 bits", {true, 24, 0, 65540, 1, 1, 196620, true}, false},
    };
    for (auto c : cases)
        EXPECT_EQ(spotlightBitmapUsable(c.info), c.usable) << c.what;
}

TEST(SpotlightBitmap, TopDownRowsSeenInTheFileHeaders)
{
    struct {
        const char* what;
        const char* magic;
        uint32_t headerSize;
        int32_t height;
        size_t length;
        bool topDown;
    } cases[] = {
        {"bottom-up", "BM", 40, 304, kBmpHeadersSize, false},
        {"top-down", "BM", 40, -304, kBmpHeadersSize, true},
        {"top-down, newer header", "BM", 124, -1, kBmpHeadersSize, true},
        {"old header: unsigned sizes", "BM", 12, -1, kBmpHeadersSize, false},
        {"not a bitmap", "MZ", 40, -304, kBmpHeadersSize, false},
        {"ends before the height", "BM", 40, -304, 25, false},
        {"ends right after the height", "BM", 40, -304, 26, true},
        {"empty", "BM", 40, -304, 0, false},
    };
    for (auto c : cases) {
        uint8_t bytes[kBmpHeadersSize] = {};
        memcpy(bytes, c.magic, 2);
        memcpy(bytes + 14, &c.headerSize, 4); // little-endian hosts, like the files
        memcpy(bytes + 22, &c.height, 4);
        std::vector<uint8_t> start(bytes, bytes + c.length); // exact size, so ASan sees overreads
        EXPECT_EQ(bmpRowsTopDown(start.data(), start.size()), c.topDown) << c.what;
    }
}
