// The names of the 24 spotlight files: "spotlight", a shape, a size, "Blur" for the soft
// edge, ".bmp". Read by the loader and by the asset tool that draws the files, so both
// always agree. Plain constants, no <windows.h>.
#pragma once

// In the order the settings are tested: circle, rectangle, thin rectangle.
constexpr int kSpotlightShapeCount = 3;
constexpr const char* kSpotlightShapeNames[kSpotlightShapeCount] = {"Circle", "Rect", "TRect"};
// Small to extra large.
constexpr int kSpotlightSizeCount = 4;
constexpr const char* kSpotlightSizeNames[kSpotlightSizeCount] = {"Small", "Medium", "Large", "ExtraLarge"};

constexpr char kSpotlightNamePrefix[] = "spotlight";
constexpr char kSpotlightBlurSuffix[] = "Blur";
constexpr char kSpotlightExtension[] = ".bmp";
