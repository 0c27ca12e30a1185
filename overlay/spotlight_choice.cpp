#include "overlay/spotlight_choice.h"

#include "overlay/spotlight_files.h"
#include "settings/option_table.h"
#include "settings/paths.h"

#include <cstdint>
#include <cstdio>

namespace {

// The position of the first entry that is on.
int firstOn(const int16_t* entries, int count)
{
    for (int i = 0; i < count; ++i)
        if (isOn(entries[i]))
            return i;
    return kNoSpotlightChoice;
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
    const SpotlightFileKind kind = {firstOn(shapes, kSpotlightShapeCount),
                                    firstOn(sizes, kSpotlightSizeCount), isOn(settings.blurEnabled)};
    char name[kDataFileNameSize] = "";
    wchar_t wideName[kDataFileNameSize] = L"";
    if (!spotlightFileName(kind, name, sizeof name) || !widenAscii(wideName, kDataFileNameSize, name)) {
        joinBounded(path, size, {}); // an empty path: the folder alone is no file to load
        return false;
    }
    // Without a shape or a size the name is only the folder's own with ".bmp": a file
    // that normally does not exist, so nothing loads.
    if (kind.shape == kNoSpotlightChoice || kind.size == kNoSpotlightChoice)
        return joinInProgramDir(path, size, programDir, {wideName});
    return joinInProgramDir(path, size, programDir, {L"\\", wideName});
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
