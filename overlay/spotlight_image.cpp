#include "overlay/spotlight_image.h"

#include "overlay/spotlight_choice.h"
#include "settings/paths.h"
#include "settings/platform.h"
#include "settings/settings_file.h"

#include <cstdio>

SpotlightImage spotlightImage;
ScaledMask spotlightScaling;

// answeredSize is what GetObjectA returned: a plain device bitmap answers with a BITMAP
// only, and its rows are not ours to read.
static SpotlightBitmapInfo describeSection(const DIBSECTION& section, int answeredSize)
{
    SpotlightBitmapInfo info = {};
    info.isSection = answeredSize == int(sizeof section);
    info.bitsPerPixel = section.dsBm.bmBitsPixel;
    info.compression = int(section.dsBmih.biCompression);
    info.width = section.dsBm.bmWidth;
    info.height = section.dsBm.bmHeight;
    info.headerHeight = section.dsBmih.biHeight;
    info.stride = section.dsBm.bmWidthBytes;
    info.hasBits = section.dsBm.bmBits != nullptr;
    return info;
}

static bool fileRowsTopDown(const wchar_t* path)
{
    uint8_t headers[kBmpHeadersSize] = {};
    size_t length = 0;
    if (FILE* file = _wfopen(path, L"rb")) {
        length = fread(headers, 1, sizeof headers, file);
        fclose(file);
    }
    return bmpRowsTopDown(headers, length);
}

void loadSpotlightImage()
{
    // The old picture goes first, so a failed load leaves nothing to stamp, not a stale image.
    if (spotlightImage.bitmap)
        DeleteObject(spotlightImage.bitmap);
    spotlightImage = {};
    replaceMaskFile(spotlightScaling, {});

    wchar_t path[kPathBufferSize];
    if (!buildSpotlightPath(programDir, currentSpotlightSettings(), path, kPathBufferSize) ||
        fileRowsTopDown(path))
        return;
    HBITMAP bitmap =
        HBITMAP(LoadImageW(appInstance, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap)
        return;

    DIBSECTION section = {};
    int answeredSize = GetObjectA(bitmap, sizeof section, &section);
    SpotlightBitmapInfo info = describeSection(section, answeredSize);
    // A file the stamp would misread loads as nothing at all, exactly like a missing one.
    if (!spotlightBitmapUsable(info)) {
        DeleteObject(bitmap);
        return;
    }
    spotlightImage.bitmap = bitmap;
    spotlightImage.width = int16_t(info.width);
    spotlightImage.height = int16_t(info.height);
    spotlightImage.stride = int16_t(info.stride);
    spotlightImage.bits = static_cast<const uint8_t*>(section.dsBm.bmBits);
    replaceMaskFile(spotlightScaling, {spotlightImage.bits, spotlightImage.width, spotlightImage.height,
                                       spotlightImage.stride});
}
