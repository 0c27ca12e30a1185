// Draws Orbiqa's picture files at build time:
//   make_assets spotlights <outdir>   the spotlight masks and the tray icon
//   make_assets resources <outdir>    plus.bmp and app.ico
#include "tools/asset_images.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3 || (strcmp(argv[1], "spotlights") != 0 && strcmp(argv[1], "resources") != 0)) {
        fprintf(stderr, "usage: make_assets spotlights|resources <outdir>\n");
        return 2;
    }
    std::vector<assets::AssetFile> files =
        strcmp(argv[1], "spotlights") == 0 ? assets::buildSpotlightAssets() : assets::buildResourceAssets();
    // The folder is never created: a wrong path fails the build instead of scattering files.
    for (const assets::AssetFile& file : files) {
        std::string path = std::string(argv[2]) + "/" + file.name;
        FILE* out = fopen(path.c_str(), "wb");
        bool written = out && fwrite(file.bytes.data(), 1, file.bytes.size(), out) == file.bytes.size();
        if (!out || fclose(out) != 0 || !written) {
            fprintf(stderr, "make_assets: cannot write '%s'\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
