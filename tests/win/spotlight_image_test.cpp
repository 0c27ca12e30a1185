#include "file_helpers.h"
#include "win_test_support.h"

#include "app/app.h"
#include "overlay/overlay_surface.h"
#include "overlay/spotlight_image.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

void setProgramDir(const std::string& dir)
{
    snprintf(programDir, sizeof programDir, "%s", dir.c_str());
}

// An uncompressed bitmap file whose pixels are all 0xFF (fully lit, were it stamped);
// a negative height stores the rows top-down.
std::string bitmapFile(int width, int height, int bitsPerPixel)
{
    const DWORD pixelBytes = DWORD((width * bitsPerPixel + 31) / 32 * 4 * abs(height));
    const BITMAPINFOHEADER info = {sizeof info, width, height, 1, WORD(bitsPerPixel), BI_RGB, pixelBytes,
                                   0,           0,     0,      0};
    const DWORD palette = bitsPerPixel <= 8 ? 4u << bitsPerPixel : 0;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info + palette;
    const BITMAPFILEHEADER head = {0x4D42, offset + pixelBytes, 0, 0, offset};
    return std::string(reinterpret_cast<const char*>(&head), sizeof head) +
           std::string(reinterpret_cast<const char*>(&info), sizeof info) +
           std::string(palette + pixelBytes, '\xFF');
}

class SpotlightImageLoad : public testing::Test {
  protected:
    std::string tempDir, tempFile;
    void SetUp() override
    {
        ensureShellWindows();
        setDefaultValues();
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        tempDir = std::string(temp) + "orbiqa-spotlight-" + std::to_string(GetCurrentProcessId());
        tempFile = tempDir + "\\spotlightCircleLarge.bmp";
        CreateDirectoryA(tempDir.c_str(), nullptr);
    }
    void TearDown() override
    {
        DeleteFileA(tempFile.c_str());
        RemoveDirectoryA(tempDir.c_str());
        setDefaultValues();
        setProgramDir(distDir());
        loadSpotlightImage();
    }
};

} // namespace

// Every packaged file loads as the stamp reads it: 24 bits, rows padded to four bytes.
TEST_F(SpotlightImageLoad, EveryPackagedFileLoads)
{
    setProgramDir(distDir());
    const int choices[] = {shapeCircle, shapeRect, shapeThinRect, sizeSmall,
                           sizeMedium,  sizeLarge, sizeExtraLarge};
    for (int combination = 0; combination < 3 * 4 * 2; ++combination) {
        for (int entry : choices)
            optionValues[entry] = 0;
        optionValues[choices[combination % 3]] = 1;
        optionValues[choices[3 + combination / 3 % 4]] = 1;
        optionValues[blurEnabled] = int16_t(combination / 12);
        loadSpotlightImage();
        EXPECT_TRUE(spotlightImage.bits && spotlightImage.width > 0 && spotlightImage.height > 0 &&
                    spotlightImage.stride == (3 * spotlightImage.width + 3) / 4 * 4)
            << combination;
    }
}

// A file the stamp would misread loads as nothing, and the picture before it is gone:
// nothing is stamped, and nothing is read from a deleted bitmap.
TEST_F(SpotlightImageLoad, FilesTheStampWouldMisreadLoadAsNothing)
{
    struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"8 bits per pixel", bitmapFile(33, 21, 8)},
        {"32 bits per pixel", bitmapFile(33, 21, 32)},
        {"24 bits, rows top-down", bitmapFile(33, -21, 24)},
        {"not a bitmap", std::string(200, 'x')},
        {"missing", ""},
    };
    setProgramDir(tempDir);
    for (auto& c : cases) {
        writeFile(tempFile.c_str(), bitmapFile(33, 21, 24));
        loadSpotlightImage();
        ASSERT_TRUE(spotlightImage.bits && spotlightImage.width == 33 && spotlightImage.height == 21 &&
                    spotlightImage.stride == 100)
            << "the good file did not load as stored";
        HBITMAP good = spotlightImage.bitmap;

        if (c.bytes.empty())
            DeleteFileA(tempFile.c_str());
        else
            writeFile(tempFile.c_str(), c.bytes);
        loadSpotlightImage();
        EXPECT_TRUE(!spotlightImage.bitmap && !spotlightImage.bits && spotlightImage.width == 0 &&
                    spotlightImage.height == 0 && spotlightImage.stride == 0)
            << c.what;
        EXPECT_EQ(GetObjectType(good), 0u) << c.what;

        fillOverlay();
        drawOverlay(overlayWindow, 100, 100, 0, 0, 0);
        drawPreview();
        EXPECT_EQ(overlayPixels[100 * screenRect.right + 100], uint32_t(optionValues[opacity]) << 24)
            << c.what;
    }
}
