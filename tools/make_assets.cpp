// Build-time generator for Orbiqa's picture files.
//   make_assets spotlights <outdir>   spotlight masks + tray icon
//   make_assets resources <outdir>    plus.bmp + app.ico
#include "asset_images.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: make_assets spotlights|resources <outdir>\n");
    return 2;
}

bool isDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFDIR;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return usage();
    std::string mode = argv[1];
    std::string outDir = argv[2];

    std::vector<assets::AssetFile> files;
    if (mode == "spotlights")
        files = assets::buildSpotlightAssets();
    else if (mode == "resources")
        files = assets::buildResourceAssets();
    else
        return usage();

    // Never create the directory: a wrong path should fail the build, not scatter files.
    if (!isDirectory(outDir)) {
        std::fprintf(stderr, "make_assets: '%s' is not an existing directory\n", outDir.c_str());
        return 1;
    }
    char last = outDir.back();
    std::string prefix = (last == '/' || last == '\\') ? outDir : outDir + "/";
    for (const auto& file : files) {
        std::string path = prefix + file.name;
        if (!writeFile(path, file.bytes)) {
            std::fprintf(stderr, "make_assets: cannot write '%s': %s\n", path.c_str(), std::strerror(errno));
            return 1;
        }
    }
    return 0;
}
