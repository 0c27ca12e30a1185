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

bool buildSaveTempPath(const char* fileOptions, char* tempPath, size_t size)
{
    if (size == 0)
        return false;
    tempPath[0] = '\0';
    if (appendBounded(tempPath, size, fileOptions) && appendBounded(tempPath, size, ".new"))
        return true;
    tempPath[0] = '\0';
    return false;
}

bool buildSettingsPaths(const char* appDataDir, char* settingsDir, char* fileOptions)
{
    settingsDir[0] = '\0';
    fileOptions[0] = '\0';
    char tempPath[kPathBufferSize];
    bool fits = appDataDir[0] != '\0' && appendBounded(settingsDir, kPathBufferSize, appDataDir) &&
                appendBounded(settingsDir, kPathBufferSize, "\\") &&
                appendBounded(settingsDir, kPathBufferSize, "Orbiqa") &&
                appendBounded(settingsDir, kPathBufferSize, "\\") &&
                appendBounded(fileOptions, kPathBufferSize, settingsDir) &&
                appendBounded(fileOptions, kPathBufferSize, "Settings.dat") &&
                buildSaveTempPath(fileOptions, tempPath, sizeof tempPath);
    if (!fits) {
        settingsDir[0] = '\0';
        fileOptions[0] = '\0';
    }
    return fits;
}
