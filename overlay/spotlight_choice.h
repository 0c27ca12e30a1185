// Which spotlight file the settings ask for, and whether a loaded bitmap can be stamped.
// Window-free: the Win32 side hands in the settings and the bitmap's description.
#pragma once
#include <cstddef>
#include <cstdint>

// The entries that pick the file; each counts only when it is exactly 1.
struct SpotlightSettings {
    int16_t shapeCircle;
    int16_t shapeRect;
    int16_t shapeThinRect;
    int16_t sizeSmall;
    int16_t sizeMedium;
    int16_t sizeLarge;
    int16_t sizeExtraLarge;
    int16_t blurEnabled;
};

// The settings as they stand in the option table.
SpotlightSettings currentSpotlightSettings();

// programDir + "\spotlight" + shape + size + "Blur" (when on) + ".bmp" into path: the
// first shape that is on (circle, rectangle, thin rectangle), within it the first size
// that is on (small to extra large). Without a shape or a size that is on, the name has
// neither. A result that does not fit in size characters, or an empty programDir, gives
// an empty path and false: nothing is to be loaded then.
bool buildSpotlightPath(const wchar_t* programDir, const SpotlightSettings& settings, wchar_t* path,
                        size_t size);

// The bytes of a bitmap file's headers that say how its rows are stored.
constexpr size_t kBmpHeadersSize = 54;

// True when the start of a bitmap file says its rows are stored top-down. Some platforms
// load such a file as a blank bottom-up bitmap and describe it as bottom-up, so only the
// file itself tells. A start too short to say, or not a bitmap, gives false.
bool bmpRowsTopDown(const uint8_t* fileStart, size_t length);

// What the platform says about a loaded bitmap.
struct SpotlightBitmapInfo {
    bool isSection; // a device-independent section, so its rows can be read directly
    int bitsPerPixel;
    int compression; // 0: uncompressed
    long width;
    long height;       // of the bitmap, always positive
    long headerHeight; // as stored in its header: negative for rows stored top-down
    long stride;       // bytes per row
    bool hasBits;
};

// The stamp reads 3-byte pixels, bottom row first, stride bytes apart, with sizes held
// in 16 bits: any other bitmap would make it read outside the image.
bool spotlightBitmapUsable(const SpotlightBitmapInfo& info);
