#include "overlay/spotlight_choice.h"

#include "overlay/spotlight_files.h"
#include "settings/option_table.h"
#include "settings/paths.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr int kNotChosen = -1;
// Room for the longest file name the constants can make.
constexpr size_t kSpotlightNameSize = 64;

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

bool buildSpotlightPath(const wchar_t* programDir, const SpotlightSettings& settings, wchar_t* path,
                        size_t size)
{
    const int16_t shapes[kSpotlightShapeCount] = {settings.shapeCircle, settings.shapeRect,
                                                  settings.shapeThinRect};
    const int16_t sizes[kSpotlightSizeCount] = {settings.sizeSmall, settings.sizeMedium, settings.sizeLarge,
                                                settings.sizeExtraLarge};
    int shapeIndex = firstOn(shapes, kSpotlightShapeCount);
    int sizeIndex = firstOn(sizes, kSpotlightSizeCount);
    const char* blur = settings.blurEnabled == 1 ? kSpotlightBlurSuffix : "";
    // Without a shape or a size the name is only the folder's own with ".bmp": a file
    // that normally does not exist, so nothing loads.
    char name[kSpotlightNameSize] = "";
    if (shapeIndex == kNotChosen || sizeIndex == kNotChosen)
        snprintf(name, sizeof name, "%s%s", blur, kSpotlightExtension);
    else
        snprintf(name, sizeof name, "\\%s%s%s%s%s", kSpotlightNamePrefix, kSpotlightShapeNames[shapeIndex],
                 kSpotlightSizeNames[sizeIndex], blur, kSpotlightExtension);
    // The file names are ASCII, so each character widens as it is.
    wchar_t wideName[kSpotlightNameSize] = L"";
    for (size_t i = 0; name[i] != '\0'; ++i)
        wideName[i] = wchar_t(name[i]);
    return joinInProgramDir(path, size, programDir, {wideName});
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
