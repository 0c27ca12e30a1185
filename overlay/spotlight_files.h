// The picture files shipped beside the program: the 24 spotlight bitmaps and the tray
// icon. Their names are made here alone, for the loader, for the asset tool that draws
// them and for the build's list of data files (tools/data_file_names.cpp). Window-free.
#pragma once
#include <cstddef>

// Shapes in the order the settings are tested: circle, rectangle, thin rectangle.
constexpr int kSpotlightShapeCount = 3;
// Sizes from small to extra large.
constexpr int kSpotlightSizeCount = 4;
// A shape or size that no setting chose.
constexpr int kNoSpotlightChoice = -1;

struct SpotlightFileKind {
    int shape;
    int size;
    bool blur;
};

// Every spotlight file, by index below kSpotlightFileCount: shape by shape, within each
// the sizes, the sharp edge before the soft one.
constexpr int kSpotlightFileCount = kSpotlightShapeCount * kSpotlightSizeCount * 2;
SpotlightFileKind spotlightFileKind(int index);

// Room for the longest name, terminator included.
constexpr size_t kDataFileNameSize = 64;

// "spotlight" + shape + size + "Blur" for the soft edge + ".bmp", such as
// "spotlightCircleLargeBlur.bmp". Without a shape or a size (kNoSpotlightChoice) the
// name is only "Blur.bmp" or ".bmp", which names no shipped file. A name that does not
// fit gives false and an empty name.
bool spotlightFileName(const SpotlightFileKind& kind, char* name, size_t size);

constexpr char kTrayIconFileName[] = "orbiqaIco.ICO";
