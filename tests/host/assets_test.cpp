#include "tools/asset_images.h"

#include <gtest/gtest.h>

// Each spotlight file read the way Windows reads it (through the header's offset and
// size, bottom-up rows padded to four bytes): lit in the middle, where the cursor falls,
// dark at the border, symmetric; the blurred twin fades over a much wider band.
TEST(SpotlightFiles, CentredMasksAsTheLoaderReadsThem)
{
    int sharpFade = 0;
    for (const assets::AssetFile& file : assets::buildSpotlightAssets()) {
        const std::vector<uint8_t>& b = file.bytes;
        auto le32 = [&](size_t at) {
            return uint32_t(b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | b.at(at + 3) << 24);
        };
        if (b.at(0) != 'B') // the tray icon
            continue;
        const int w = int(le32(18)), h = int(le32(22));
        const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
        ASSERT_TRUE(b[28] == 24 && b.size() == le32(10) + stride * h) << file.name;
        auto mask = [&](int x, int y) { return b[le32(10) + size_t(h - 1 - y) * stride + size_t(x) * 3]; };
        int faults = 0, fade = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint8_t v = mask(x, y);
                faults += ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && v != 0) ||
                          v != mask(w - 1 - x, y) || v != mask(x, h - 1 - y);
                fade += v > 0 && v < 255;
            }
        }
        EXPECT_TRUE(mask(w / 2, h / 2) == 255 && faults == 0) << file.name;
        // The files come sharp, then blurred, for each shape and size.
        if (file.name.find("Blur") == std::string::npos)
            sharpFade = fade;
        else
            EXPECT_GT(fade, 3 * sharpFade) << file.name;
    }
}
