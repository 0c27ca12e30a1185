#include "tools/asset_images.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace assets;

namespace {

uint32_t le16(const std::vector<uint8_t>& b, size_t at)
{
    return b.at(at) | (b.at(at + 1) << 8);
}
uint32_t le32(const std::vector<uint8_t>& b, size_t at)
{
    return le16(b, at) | (le16(b, at + 2) << 16);
}

// The blue byte of pixel (x, y), y counted from the top, found the way Windows reads the
// file: through the header's offset and size, bottom-up rows padded to four bytes.
uint8_t bmpBlue(const std::vector<uint8_t>& bmp, int x, int y)
{
    size_t stride = (le32(bmp, 18) * 3 + 3) & ~3u;
    return bmp.at(le32(bmp, 10) + (le32(bmp, 22) - 1 - y) * stride + x * 3);
}

} // namespace

TEST(Bmp, RowsArePaddedStoredBottomUpAndBlueFirst)
{
    struct {
        int width, height;
        size_t stride;
    } cases[] = {{1, 2, 4}, {2, 3, 8}, {3, 2, 12}, {5, 1, 16}};
    for (auto c : cases) {
        Image image = makeImage(c.width, c.height);
        setPixel(image, 0, 0, 10, 20, 30);
        setPixel(image, c.width - 1, c.height - 1, 40, 50, 60);
        std::vector<uint8_t> b = encodeBmp24(image);
        ASSERT_EQ(b.size(), 54 + c.stride * c.height) << c.width;
        EXPECT_EQ(le16(b, 28), 24u) << "bits per pixel";
        EXPECT_EQ(bmpBlue(b, 0, 0), 30) << c.width;
        EXPECT_EQ(bmpBlue(b, c.width - 1, c.height - 1), 60) << c.width;
    }
}

TEST(Spotlight, TwentyFourFilesUnderTheNamesTheProgramLoads)
{
    EXPECT_EQ(spotlightFileName({SpotShape::Circle, SpotSize::Large, false}), "spotlightCircleLarge.bmp");
    EXPECT_EQ(spotlightFileName({SpotShape::TRect, SpotSize::ExtraLarge, true}),
              "spotlightTRectExtraLargeBlur.bmp");
    std::set<std::string> names;
    for (const SpotlightKind& kind : allSpotlightKinds())
        names.insert(spotlightFileName(kind));
    EXPECT_EQ(names.size(), 24u);
}

// The cursor falls on the image's middle, so each shape must be lit there, centred, and
// dark at the border; the blurred twin must fade over a much wider band than the sharp one.
TEST(Spotlight, MasksAreCentredAndBlurWidensTheFade)
{
    int fadePixels[3][4][2] = {};
    for (const SpotlightKind& kind : allSpotlightKinds()) {
        const Image image = makeSpotlight(kind);
        const int w = image.width, h = image.height;
        auto mask = [&](int x, int y) { return image.bgra[(size_t(y) * w + x) * 4]; };
        int faults = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint8_t v = mask(x, y);
                faults += ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && v != 0) ||
                          v != mask(w - 1 - x, y) || v != mask(x, h - 1 - y);
                fadePixels[int(kind.shape)][int(kind.size)][kind.blur] += v > 0 && v < 255;
            }
        }
        EXPECT_EQ(mask(w / 2, h / 2), 255) << spotlightFileName(kind);
        EXPECT_EQ(faults, 0) << spotlightFileName(kind);
    }
    for (const auto& sizes : fadePixels)
        for (const auto& fade : sizes)
            EXPECT_GT(fade[1], 3 * fade[0]);
}
