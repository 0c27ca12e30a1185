#include "overlay/spotlight_choice.h"

#include "settings/option_table.h"
#include "settings/paths.h"

#include <cstdint>

namespace {

constexpr int kShapeCount = 3;
constexpr int kSizeCount = 4;

// Rows: circle, rectangle, thin rectangle; columns: small to extra large.
const char* const kBaseNames[kShapeCount][kSizeCount] = {
    {"\\spotlightCircleSmall", "\\spotlightCircleMedium", "\\spotlightCircleLarge",
     "\\spotlightCircleExtraLarge"},
    {"\\spotlightRectSmall", "\\spotlightRectMedium", "\\spotlightRectLarge", "\\spotlightRectExtraLarge"},
    {"\\spotlightTRectSmall", "\\spotlightTRectMedium", "\\spotlightTRectLarge",
     "\\spotlightTRectExtraLarge"},
};

constexpr int kNotChosen = -1;

// The position of the first entry that is exactly 1.
int firstOn(const int16_t* entries, int count)
{
    for (int i = 0; i < count; ++i)
        if (entries[i] == 1)
            return i;
    return kNotChosen;
}

// Offsets in the file: the info header follows the 14-byte file header.
constexpr size_t kInfoHeaderOffset = 14;
constexpr size_t kHeightOffset = 22;
// The old 12-byte header has unsigned 16-bit sizes: its rows are always bottom-up.
constexpr uint32_t kMinInfoHeaderWithSignedHeight = 40;

uint32_t readLe32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

constexpr int kMaxImageExtent = INT16_MAX;
constexpr int kBytesPerPixel = 3;
constexpr int kUncompressed = 0;

} // namespace

SpotlightSettings currentSpotlightSettings()
{
    return {optionValues[shapeCircle],    optionValues[shapeRect],  optionValues[shapeThinRect],
            optionValues[sizeSmall],      optionValues[sizeMedium], optionValues[sizeLarge],
            optionValues[sizeExtraLarge], optionValues[blurEnabled]};
}

const char* spotlightBaseName(const SpotlightSettings& settings)
{
    const int16_t shapes[kShapeCount] = {settings.shapeCircle, settings.shapeRect, settings.shapeThinRect};
    const int16_t sizes[kSizeCount] = {settings.sizeSmall, settings.sizeMedium, settings.sizeLarge,
                                       settings.sizeExtraLarge};
    int shape = firstOn(shapes, kShapeCount);
    int size = firstOn(sizes, kSizeCount);
    if (shape == kNotChosen || size == kNotChosen)
        return "";
    return kBaseNames[shape][size];
}

bool buildSpotlightPath(const char* programDir, const SpotlightSettings& settings, char* path, size_t size)
{
    if (size == 0)
        return false;
    path[0] = '\0';
    bool fits =
        appendBounded(path, size, programDir) && appendBounded(path, size, spotlightBaseName(settings)) &&
        (settings.blurEnabled != 1 || appendBounded(path, size, "Blur")) && appendBounded(path, size, ".bmp");
    // A cut path could name some other file: load nothing instead.
    if (!fits)
        path[0] = '\0';
    return fits;
}

bool bmpRowsTopDown(const uint8_t* fileStart, size_t length)
{
    if (length < kHeightOffset + 4 || fileStart[0] != 'B' || fileStart[1] != 'M')
        return false;
    if (readLe32(fileStart + kInfoHeaderOffset) < kMinInfoHeaderWithSignedHeight)
        return false;
    return int32_t(readLe32(fileStart + kHeightOffset)) < 0;
}

bool spotlightBitmapUsable(const SpotlightBitmapInfo& info)
{
    if (!info.isSection || !info.hasBits || info.bitsPerPixel != 8 * kBytesPerPixel ||
        info.compression != kUncompressed)
        return false;
    // Rows stored top-down show a negative height in the header and start at the top.
    if (info.headerHeight != info.height)
        return false;
    if (info.width <= 0 || info.height <= 0 || info.width > kMaxImageExtent || info.height > kMaxImageExtent)
        return false;
    long expectedStride = (kBytesPerPixel * info.width + 3) & ~3L;
    return info.stride == expectedStride && info.stride <= kMaxImageExtent;
}
