#include "win_test_support.h"

#include "overlay/spotlight_image.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

// An uncompressed bitmap file whose pixels are all 0xFF; a negative height stores the
// rows top-down.
static std::string bitmapFile(int width, int height, int bitsPerPixel)
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

// A good file loads from a program folder named in any language. A file the stamp would
// misread loads as nothing, and the picture before it is deleted: nothing is stamped, and
// nothing is read from a deleted bitmap.
TEST(SpotlightImage, FilesTheStampWouldMisreadLoadAsNothing)
{
    joinBounded(programDir, kPathBufferSize, {kForeignFolder});
    const std::wstring file = std::wstring(programDir) + L"\\spotlightCircleLarge.bmp";
    setDefaultValues();
    for (const std::string& bytes : {bitmapFile(33, 21, 8), bitmapFile(33, 21, 32), bitmapFile(33, -21, 24),
                                     std::string(200, 'x'), std::string()}) {
        writeFile(file.c_str(), bitmapFile(33, 21, 24));
        loadSpotlightImage();
        const HBITMAP good = spotlightImage.bitmap;
        EXPECT_TRUE(spotlightImage.bits && spotlightImage.height == 21 && spotlightImage.stride == 100);

        if (bytes.empty())
            DeleteFileW(file.c_str());
        else
            writeFile(file.c_str(), bytes);
        loadSpotlightImage();
        EXPECT_TRUE(!spotlightImage.bitmap && !spotlightImage.bits && spotlightImage.width == 0 &&
                    spotlightImage.height == 0 && spotlightImage.stride == 0)
            << bytes.size();
        EXPECT_EQ(GetObjectType(good), 0u) << bytes.size();
    }
    DeleteFileW(file.c_str());
    joinBounded(programDir, kPathBufferSize, {kDistDir});
    loadSpotlightImage();
}
