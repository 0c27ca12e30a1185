// Drawing and encoding of Orbiqa's picture files (spotlight masks, icons, toolbar bitmap).
// Kept free of <windows.h> so the generator and its tests build on any host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

// Top-down rows, 4 bytes per pixel in B, G, R, A order, straight (not premultiplied) alpha.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;
};

Image makeImage(int width, int height);
void setPixel(Image& image, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255);

enum class SpotShape { Circle, Rect, TRect };
enum class SpotSize { Small, Medium, Large, ExtraLarge };

struct SpotlightKind {
    SpotShape shape;
    SpotSize size;
    bool blur;
};

struct Extent {
    int width;
    int height;
};

// All 24 shape/size/blur combinations, in a stable order.
std::vector<SpotlightKind> allSpotlightKinds();
std::string spotlightFileName(const SpotlightKind& kind);
// Size of the lit shape itself; the image adds a dark margin around it.
Extent spotlightShapeExtent(SpotShape shape, SpotSize size);
// Grey-scale mask: B = G = R = 255 where the screen is fully clear, 0 where it stays dimmed.
Image makeSpotlight(const SpotlightKind& kind);

Image makeTrayIcon(int size);
Image makeAppIcon(int size);
Image makePlusBitmap();

// 24-bit BI_RGB bottom-up BMP with file header; alpha is ignored.
std::vector<uint8_t> encodeBmp24(const Image& image);
// ICO holding one 32-bit BGRA image (plus AND mask) per entry.
std::vector<uint8_t> encodeIco(const std::vector<Image>& images);

struct AssetFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

extern const char* const kTrayIconName;
extern const char* const kPlusBitmapName;
extern const char* const kAppIconName;
extern const int kIconSizes[4];

// The 24 spotlight bitmaps plus the tray icon.
std::vector<AssetFile> buildSpotlightAssets();
// plus.bmp and app.ico.
std::vector<AssetFile> buildResourceAssets();

} // namespace assets
