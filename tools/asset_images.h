// Draws and encodes Orbiqa's picture files: the 24 spotlight masks and the tray icon that
// are shipped beside the program, and the "+" bitmap and the icon built into it. Free of
// <windows.h>, so the tool and its tests build on any host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

// Top-down rows, 4 bytes per pixel in B, G, R, A order, straight alpha.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;
};

// In the order of overlay/spotlight_files.h.
enum class SpotShape { Circle, Rect, TRect };
enum class SpotSize { Small, Medium, Large, ExtraLarge };
struct SpotlightKind {
    SpotShape shape;
    SpotSize size;
    bool blur;
};

// Grey mask: 255 where the screen is fully clear, 0 where it stays dimmed, the shape
// centred with a dark margin of two pixels.
Image makeSpotlight(const SpotlightKind& kind);

struct AssetFile {
    std::string name;
    std::vector<uint8_t> bytes;
};
// The 24 spotlight bitmaps (24-bit, bottom-up) and the tray icon.
std::vector<AssetFile> buildSpotlightAssets();
// plus.bmp and app.ico, for the resource script.
std::vector<AssetFile> buildResourceAssets();

} // namespace assets
