#include "overlay/spotlight_files.h"

#include <cstdio>

static constexpr const char* kShapeNames[kSpotlightShapeCount] = {"Circle", "Rect", "TRect"};
static constexpr const char* kSizeNames[kSpotlightSizeCount] = {"Small", "Medium", "Large", "ExtraLarge"};

SpotlightFileKind spotlightFileKind(int index)
{
    return {index / (kSpotlightSizeCount * 2), index / 2 % kSpotlightSizeCount, index % 2 == 1};
}

static bool chosen(int index, int count)
{
    return index >= 0 && index < count;
}

bool spotlightFileName(const SpotlightFileKind& kind, char* name, size_t size)
{
    if (size == 0)
        return false;
    const char* blur = kind.blur ? "Blur" : "";
    int length = chosen(kind.shape, kSpotlightShapeCount) && chosen(kind.size, kSpotlightSizeCount)
                     ? snprintf(name, size, "spotlight%s%s%s.bmp", kShapeNames[kind.shape],
                                kSizeNames[kind.size], blur)
                     : snprintf(name, size, "%s.bmp", blur);
    if (length < 0 || size_t(length) >= size) {
        name[0] = '\0';
        return false;
    }
    return true;
}
