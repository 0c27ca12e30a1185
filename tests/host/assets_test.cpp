#include "../../tools/asset_images.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <utility>
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

// Reads pixels back the way Windows would: bottom-up rows with padded stride.
struct Bmp {
    int width = 0, height = 0;
    size_t offset = 0, stride = 0;
    std::vector<uint8_t> bytes;
    explicit Bmp(std::vector<uint8_t> file) : bytes(std::move(file))
    {
        width = static_cast<int>(le32(bytes, 18));
        height = static_cast<int>(le32(bytes, 22));
        offset = le32(bytes, 10);
        stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
        if (bytes.size() < offset + stride * height)
            throw std::runtime_error("truncated bitmap");
    }
    size_t at(int x, int y) const { return offset + (height - 1 - y) * stride + x * 3; }
    uint8_t blue(int x, int y) const { return bytes[at(x, y)]; }
};

Bmp spotlightBmp(const SpotlightKind& kind)
{
    return Bmp(encodeBmp24(makeSpotlight(kind)));
}

int intermediatePixels(const Bmp& bmp)
{
    int count = 0;
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x)
            count += bmp.blue(x, y) > 0 && bmp.blue(x, y) < 255;
    return count;
}

} // namespace

TEST(Bmp, HeaderAndRowPaddingForOddAndEvenWidths)
{
    struct Case {
        int width, height;
        uint32_t stride;
    } cases[] = {{1, 2, 4}, {2, 3, 8}, {3, 2, 12}, {4, 5, 12}, {5, 1, 16}, {14, 16, 44}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        Image image = makeImage(c.width, c.height);
        setPixel(image, 0, 0, 10, 20, 30);                      // top-left
        setPixel(image, c.width - 1, c.height - 1, 40, 50, 60); // bottom-right
        std::vector<uint8_t> b = encodeBmp24(image);
        uint32_t sizeImage = c.stride * c.height;
        ASSERT_EQ(b.size(), 54 + sizeImage);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(le32(b, 2), b.size());
        EXPECT_EQ(le32(b, 10), 54u);
        EXPECT_EQ(le32(b, 14), 40u);
        EXPECT_EQ(le32(b, 18), static_cast<uint32_t>(c.width));
        EXPECT_EQ(le32(b, 22), static_cast<uint32_t>(c.height)); // positive: bottom-up
        EXPECT_EQ(le16(b, 26), 1u);
        EXPECT_EQ(le16(b, 28), 24u);
        EXPECT_EQ(le32(b, 30), 0u); // BI_RGB
        EXPECT_EQ(le32(b, 34), sizeImage);
        // Bottom-up: the image's last row comes first in the file, bytes in B, G, R order.
        size_t bottomRight = 54 + (c.width - 1) * 3;
        EXPECT_EQ(b[bottomRight], 60);
        EXPECT_EQ(b[bottomRight + 2], 40);
        size_t topLeft = 54 + (c.height - 1) * c.stride;
        EXPECT_EQ(b[topLeft], 30);
        EXPECT_EQ(b[topLeft + 2], 10);
    }
}

TEST(Spotlight, FileNamesAreUniqueAndFollowTheNamingScheme)
{
    struct Case {
        SpotlightKind kind;
        const char* name;
    } cases[] = {
        {{SpotShape::Circle, SpotSize::Large, false}, "spotlightCircleLarge.bmp"},
        {{SpotShape::Rect, SpotSize::ExtraLarge, true}, "spotlightRectExtraLargeBlur.bmp"},
        {{SpotShape::TRect, SpotSize::Medium, true}, "spotlightTRectMediumBlur.bmp"},
        {{SpotShape::TRect, SpotSize::Small, false}, "spotlightTRectSmall.bmp"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spotlightFileName(c.kind), c.name);

    std::set<std::string> names;
    for (const SpotlightKind& kind : allSpotlightKinds())
        names.insert(spotlightFileName(kind));
    EXPECT_EQ(names.size(), 24u);
}

TEST(Spotlight, EveryMaskIsDarkAtTheBorderLitInTheCentreAndSymmetric)
{
    for (const SpotlightKind& kind : allSpotlightKinds()) {
        SCOPED_TRACE(spotlightFileName(kind));
        Bmp bmp = spotlightBmp(kind);
        Extent shape = spotlightShapeExtent(kind.shape, kind.size);
        ASSERT_GT(bmp.width, shape.width);
        ASSERT_GT(bmp.height, shape.height);
        if (kind.shape != SpotShape::Circle) {
            EXPECT_GT(shape.width, shape.height);
        }

        EXPECT_EQ(bmp.blue(bmp.width / 2, bmp.height / 2), 255);
        int litBorder = 0, asymmetric = 0, notGrey = 0;
        for (int y = 0; y < bmp.height; ++y) {
            for (int x = 0; x < bmp.width; ++x) {
                bool border = x == 0 || y == 0 || x == bmp.width - 1 || y == bmp.height - 1;
                uint8_t v = bmp.blue(x, y);
                litBorder += border && v != 0;
                // Mirror symmetry catches a shape that is not centred in its image.
                asymmetric += v != bmp.blue(bmp.width - 1 - x, y) || v != bmp.blue(x, bmp.height - 1 - y);
                size_t i = bmp.at(x, y);
                notGrey += bmp.bytes[i + 1] != v || bmp.bytes[i + 2] != v;
            }
        }
        EXPECT_EQ(litBorder, 0);
        EXPECT_EQ(asymmetric, 0);
        EXPECT_EQ(notGrey, 0);
    }
}

TEST(Spotlight, BlurVariantHasAMuchWiderFadeThanItsSharpTwin)
{
    for (const SpotlightKind& kind : allSpotlightKinds()) {
        if (kind.blur)
            continue;
        SCOPED_TRACE(spotlightFileName(kind));
        Bmp sharp = spotlightBmp(kind);
        Bmp blur = spotlightBmp({kind.shape, kind.size, true});
        EXPECT_EQ(blur.width, sharp.width);
        EXPECT_EQ(blur.height, sharp.height);
        // A sharp edge is at most ~2 px wide around the outline.
        Extent shape = spotlightShapeExtent(kind.shape, kind.size);
        EXPECT_LE(intermediatePixels(sharp), 2 * 2 * (shape.width + shape.height));
        EXPECT_GT(intermediatePixels(blur), 3 * intermediatePixels(sharp));
    }
}

TEST(Ico, DirectoryEntriesPointAtImagesOfTheStatedSizes)
{
    struct Case {
        std::vector<AssetFile> files;
        const char* name;
    } cases[] = {{buildSpotlightAssets(), kTrayIconName}, {buildResourceAssets(), kAppIconName}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t>* ico = nullptr;
        for (const AssetFile& file : c.files)
            if (file.name == c.name)
                ico = &file.bytes;
        ASSERT_NE(ico, nullptr);
        const std::vector<uint8_t>& b = *ico;
        EXPECT_EQ(le16(b, 0), 0u);
        EXPECT_EQ(le16(b, 2), 1u);
        ASSERT_EQ(le16(b, 4), 4u);
        for (int i = 0; i < 4; ++i) {
            int size = kIconSizes[i];
            SCOPED_TRACE(size);
            size_t entry = 6 + 16 * i;
            EXPECT_EQ(b[entry], size);
            EXPECT_EQ(b[entry + 1], size);
            EXPECT_EQ(le16(b, entry + 6), 32u);
            uint32_t bytes = le32(b, entry + 8), offset = le32(b, entry + 12);
            uint32_t maskStride = ((size + 31) / 32) * 4;
            EXPECT_EQ(bytes, 40 + size * size * 4 + maskStride * size);
            ASSERT_LE(offset + bytes, b.size());
            EXPECT_EQ(le32(b, offset), 40u);
            EXPECT_EQ(le32(b, offset + 4), static_cast<uint32_t>(size));
            EXPECT_EQ(le32(b, offset + 8), static_cast<uint32_t>(2 * size));
            EXPECT_EQ(le16(b, offset + 14), 32u);
            // Rounded square: transparent corner, opaque centre (alpha is byte 3 of BGRA).
            size_t pixels = offset + 40;
            EXPECT_EQ(b[pixels + 3], 0);
            size_t centre = pixels + ((size / 2) * size + size / 2) * 4;
            EXPECT_EQ(b[centre + 3], 255);
        }
        // The last image must end exactly at the end of the file: no gaps or overlaps.
        EXPECT_EQ(le32(b, 6 + 16 * 3 + 12) + le32(b, 6 + 16 * 3 + 8), b.size());
    }
}

TEST(Resources, PlusBitmapIsAnOutlinedGreenCrossOnDialogFace)
{
    std::vector<AssetFile> files = buildResourceAssets();
    ASSERT_EQ(files.at(0).name, kPlusBitmapName);
    Bmp plus(files[0].bytes);
    ASSERT_EQ(plus.width, 14);
    ASSERT_EQ(plus.height, 16);
    auto rgb = [&](int x, int y) {
        size_t i = plus.at(x, y);
        return (plus.bytes[i + 2] << 16) | (plus.bytes[i + 1] << 8) | plus.bytes[i];
    };
    EXPECT_EQ(rgb(0, 0), 0xECE9D8); // dialog face
    EXPECT_EQ(rgb(13, 15), 0xECE9D8);
    EXPECT_EQ(rgb(1, 7), 0x006400); // outline at the left arm's tip
    // Fill lit from the top-left: its green channel falls towards the bottom-right.
    EXPECT_GT(rgb(6, 3) & 0xff00, rgb(7, 12) & 0xff00);
}
