#include "win_test_support.h"

#include "app/app.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

void setProgramDir(const std::string& dir)
{
    snprintf(programDir, sizeof programDir, "%s", dir.c_str());
}

void choose(int16_t shapeEntry, int16_t sizeEntry, int16_t blur)
{
    for (int entry :
         {shapeCircle, shapeRect, shapeThinRect, sizeSmall, sizeMedium, sizeLarge, sizeExtraLarge})
        optionValues[entry] = 0;
    optionValues[shapeEntry] = 1;
    optionValues[sizeEntry] = 1;
    optionValues[blurEnabled] = blur;
}

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int32_t le32(const std::vector<uint8_t>& bytes, size_t at)
{
    int32_t value;
    memcpy(&value, &bytes.at(at), 4);
    return value;
}

void put16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// An uncompressed bitmap file whose pixels are all 0xFF (fully lit, were it stamped);
// a negative height stores the rows top-down.
std::vector<uint8_t> bitmapFile(int width, int height, int bitsPerPixel)
{
    uint32_t stride = ((uint32_t(width) * bitsPerPixel + 31) / 32) * 4;
    uint32_t rows = uint32_t(height < 0 ? -height : height);
    uint32_t palette = bitsPerPixel <= 8 ? 4u << bitsPerPixel : 0;
    uint32_t offset = 14 + 40 + palette;
    std::vector<uint8_t> out = {'B', 'M'};
    put32(out, offset + stride * rows);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height));
    put16(out, 1);
    put16(out, uint32_t(bitsPerPixel));
    put32(out, 0); // uncompressed
    put32(out, stride * rows);
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    for (uint32_t i = 0; i < palette; ++i)
        out.push_back(0xFF);
    out.insert(out.end(), stride * rows, 0xFF);
    return out;
}

class SpotlightImageLoad : public testing::Test {
  protected:
    std::string tempDir;
    void SetUp() override
    {
        ensureShellWindows();
        setDefaultValues();
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        tempDir = std::string(temp) + "orbiqa-spotlight-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(tempDir.c_str(), nullptr);
    }
    void TearDown() override
    {
        DeleteFileA((tempDir + "\\spotlightCircleLarge.bmp").c_str());
        RemoveDirectoryA(tempDir.c_str());
        setDefaultValues();
        setProgramDir(distDir());
        loadSpotlightImage();
    }
    void writeSpotlight(const std::vector<uint8_t>& bytes)
    {
        std::ofstream file(tempDir + "\\spotlightCircleLarge.bmp", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    static void expectEmpty(const char* what)
    {
        EXPECT_EQ(spotlightImage.bitmap, nullptr) << what;
        EXPECT_EQ(spotlightImage.width, 0) << what;
        EXPECT_EQ(spotlightImage.height, 0) << what;
        EXPECT_EQ(spotlightImage.stride, 0) << what;
        EXPECT_EQ(spotlightImage.bits, nullptr) << what;
    }
};

} // namespace

// Every generated file loads with the file's own size and rows, bottom row first.
TEST_F(SpotlightImageLoad, GeneratedFilesLoadAsTheyAreStored)
{
    setProgramDir(distDir());
    const int16_t shapes[] = {shapeCircle, shapeRect, shapeThinRect};
    const int16_t sizes[] = {sizeSmall, sizeMedium, sizeLarge, sizeExtraLarge};
    const char* shapeNames[] = {"Circle", "Rect", "TRect"};
    const char* sizeNames[] = {"Small", "Medium", "Large", "ExtraLarge"};
    for (int shape = 0; shape < 3; ++shape)
        for (int size = 0; size < 4; ++size)
            for (int blur = 0; blur < 2; ++blur) {
                std::string name = std::string("spotlight") + shapeNames[shape] + sizeNames[size] +
                                   (blur ? "Blur" : "") + ".bmp";
                std::vector<uint8_t> file = readFile(distDir() + "\\" + name);
                ASSERT_GT(file.size(), 54u) << name;
                int width = le32(file, 18), height = le32(file, 22);
                int stride = (3 * width + 3) & ~3;

                choose(shapes[shape], sizes[size], int16_t(blur));
                loadSpotlightImage();
                ASSERT_NE(spotlightImage.bitmap, nullptr) << name;
                EXPECT_EQ(spotlightImage.width, width) << name;
                EXPECT_EQ(spotlightImage.height, height) << name;
                EXPECT_EQ(spotlightImage.stride, stride) << name;
                ASSERT_NE(spotlightImage.bits, nullptr) << name;
                size_t pixelBytes = size_t(stride) * size_t(height);
                ASSERT_GE(file.size(), size_t(le32(file, 10)) + pixelBytes) << name;
                EXPECT_EQ(memcmp(spotlightImage.bits, file.data() + le32(file, 10), pixelBytes), 0) << name;
            }
}

TEST_F(SpotlightImageLoad, ReloadReplacesThePreviousBitmap)
{
    setProgramDir(distDir());
    loadSpotlightImage();
    HBITMAP first = spotlightImage.bitmap;
    ASSERT_NE(first, nullptr);
    loadSpotlightImage();
    ASSERT_NE(spotlightImage.bitmap, nullptr);
    if (spotlightImage.bitmap != first) {
        EXPECT_EQ(GetObjectType(first), 0u) << "the first bitmap was not deleted";
    }
    EXPECT_EQ(spotlightImage.width, 304);
}

TEST_F(SpotlightImageLoad, FilesTheStampWouldMisreadLoadAsNothing)
{
    struct {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"8 bits per pixel", bitmapFile(33, 21, 8)},
        {"32 bits per pixel", bitmapFile(33, 21, 32)},
        {"24 bits, rows top-down", bitmapFile(33, -21, 24)},
        {"not a bitmap", std::vector<uint8_t>(200, 'x')},
        {"missing", {}},
    };
    setProgramDir(tempDir);
    for (auto& c : cases) {
        // A good picture first, so that the bad one must also get rid of it.
        writeSpotlight(bitmapFile(33, 21, 24));
        loadSpotlightImage();
        ASSERT_EQ(spotlightImage.width, 33) << "the good file did not load";
        HBITMAP good = spotlightImage.bitmap;

        if (c.bytes.empty())
            DeleteFileA((tempDir + "\\spotlightCircleLarge.bmp").c_str());
        else
            writeSpotlight(c.bytes);
        loadSpotlightImage();
        expectEmpty(c.what);
        EXPECT_EQ(GetObjectType(good), 0u) << c.what;

        // Nothing is stamped, and nothing is read from a bitmap that is gone.
        fillOverlay();
        drawOverlay(overlayWindow, 100, 100, 0, 0, 0);
        drawPreview();
        EXPECT_EQ(overlayPixels[100 * screenRect.right + 100], uint32_t(optionValues[opacity]) << 24)
            << c.what;
    }
}
