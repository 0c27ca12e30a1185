#include "settings/paths.h"

#include <cstring>

bool appendBounded(char* buffer, size_t size, const char* text)
{
    size_t used = strnlen(buffer, size);
    size_t extra = strlen(text);
    if (used >= size || extra >= size - used)
        return false;
    memcpy(buffer + used, text, extra + 1);
    return true;
}

// Clears buffer, then appends first (unless null) and every part; on failure buffer is
// left empty.
static bool joinAfter(char* buffer, size_t size, const char* first, std::initializer_list<const char*> parts)
{
    if (size == 0)
        return false;
    buffer[0] = '\0';
    bool fits = !first || appendBounded(buffer, size, first);
    for (const char* part : parts)
        fits = fits && appendBounded(buffer, size, part);
    if (!fits)
        buffer[0] = '\0';
    return fits;
}

bool joinBounded(char* buffer, size_t size, std::initializer_list<const char*> parts)
{
    return joinAfter(buffer, size, nullptr, parts);
}

bool joinInProgramDir(char* buffer, size_t size, const char* programDir,
                      std::initializer_list<const char*> fileName)
{
    if (programDir[0] == '\0') {
        joinBounded(buffer, size, {});
        return false;
    }
    return joinAfter(buffer, size, programDir, fileName);
}

bool buildSaveTempPath(const char* fileOptions, char* tempPath, size_t size)
{
    return joinBounded(tempPath, size, {fileOptions, ".new"});
}

bool buildSettingsPaths(const char* appDataDir, char* settingsDir, char* fileOptions)
{
    char tempPath[kPathBufferSize];
    bool fits = appDataDir[0] != '\0' &&
                joinBounded(settingsDir, kPathBufferSize, {appDataDir, "\\Orbiqa\\"}) &&
                joinBounded(fileOptions, kPathBufferSize, {settingsDir, "Settings.dat"}) &&
                buildSaveTempPath(fileOptions, tempPath, sizeof tempPath);
    if (!fits) {
        settingsDir[0] = '\0';
        fileOptions[0] = '\0';
    }
    return fits;
}
