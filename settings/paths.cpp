#include "settings/paths.h"

#include "orbiqa_names.h"

#include <string>

template <typename Char> static bool appendText(Char* buffer, size_t size, const Char* text)
{
    size_t used = 0;
    while (used < size && buffer[used] != Char(0))
        ++used;
    size_t extra = std::char_traits<Char>::length(text);
    if (used >= size || extra >= size - used)
        return false;
    std::char_traits<Char>::copy(buffer + used, text, extra + 1);
    return true;
}

bool appendBounded(wchar_t* buffer, size_t size, const wchar_t* text)
{
    return appendText(buffer, size, text);
}

bool appendBounded(char* buffer, size_t size, const char* text)
{
    return appendText(buffer, size, text);
}

// Clears buffer, then appends first (unless null) and every part; on failure buffer is
// left empty.
static bool joinAfter(wchar_t* buffer, size_t size, const wchar_t* first,
                      std::initializer_list<const wchar_t*> parts)
{
    if (size == 0)
        return false;
    buffer[0] = L'\0';
    bool fits = !first || appendBounded(buffer, size, first);
    for (const wchar_t* part : parts)
        fits = fits && appendBounded(buffer, size, part);
    if (!fits)
        buffer[0] = L'\0';
    return fits;
}

bool widenAscii(wchar_t* buffer, size_t size, const char* text)
{
    size_t length = std::char_traits<char>::length(text);
    if (size == 0)
        return false;
    if (length >= size) {
        buffer[0] = L'\0';
        return false;
    }
    for (size_t i = 0; i <= length; ++i)
        buffer[i] = wchar_t(text[i]);
    return true;
}

bool joinBounded(wchar_t* buffer, size_t size, std::initializer_list<const wchar_t*> parts)
{
    return joinAfter(buffer, size, nullptr, parts);
}

bool joinInProgramDir(wchar_t* buffer, size_t size, const wchar_t* programDir,
                      std::initializer_list<const wchar_t*> fileName)
{
    if (programDir[0] == L'\0') {
        joinBounded(buffer, size, {});
        return false;
    }
    return joinAfter(buffer, size, programDir, fileName);
}

bool buildSaveTempPath(const wchar_t* fileOptions, wchar_t* tempPath, size_t size)
{
    return joinBounded(tempPath, size, {fileOptions, L".new"});
}

bool buildSettingsPaths(const wchar_t* appDataDir, wchar_t* settingsDir, wchar_t* fileOptions)
{
    wchar_t tempPath[kPathBufferSize];
    bool fits = appDataDir[0] != L'\0' &&
                joinBounded(settingsDir, kPathBufferSize, {appDataDir, L"\\", kSettingsFolderName, L"\\"}) &&
                joinBounded(fileOptions, kPathBufferSize, {settingsDir, kSettingsFileName}) &&
                buildSaveTempPath(fileOptions, tempPath, kPathBufferSize);
    if (!fits) {
        settingsDir[0] = L'\0';
        fileOptions[0] = L'\0';
    }
    return fits;
}
