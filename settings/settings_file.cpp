#include "settings/settings_file.h"

#include "settings/option_table.h"
#include "settings/platform.h"
#include "settings/settings_codec.h"

#include "orbiqa_names.h"

#include <io.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>

wchar_t programDir[kPathBufferSize];
wchar_t settingsDir[kPathBufferSize];
wchar_t fileOptions[kPathBufferSize];
bool settingsFileCreated;

static void resolveProgramDir()
{
    wchar_t moduleName[kPathBufferSize] = L"";
    DWORD length = GetModuleFileNameW(appInstance, moduleName, kPathBufferSize);
    // A name that filled the buffer was cut short: no folder rather than a wrong one.
    if (length == 0 || length >= kPathBufferSize) {
        programDir[0] = L'\0';
        return;
    }
    DWORD longLength = GetLongPathNameW(moduleName, programDir, kPathBufferSize);
    if (longLength == 0 || longLength >= kPathBufferSize)
        joinBounded(programDir, kPathBufferSize, {moduleName});
    PathRemoveFileSpecW(programDir);
}

void findProgramDir()
{
    resolveProgramDir();
}

void initPaths()
{
    settingsFileCreated = false;
    resolveProgramDir();

    // The folder lookup writes up to the system's path limit, which the buffers share.
    static_assert(kPathBufferSize == MAX_PATH, "a path buffer holds what the system may write");
    wchar_t appData[kPathBufferSize] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                appData)))
        appData[0] = L'\0';
    // A folder too long for the path buffers is refused: the program runs on with the
    // defaults and never reads or writes a settings file.
    if (!buildSettingsPaths(appData, settingsDir, fileOptions))
        return;

    // Only a file that is not there makes a first run. One that exists but cannot be read
    // right now (held by another program, no permission) is the user's settings: it is
    // never written over with the defaults; the load that follows says it cannot read it.
    if (GetFileAttributesW(fileOptions) != INVALID_FILE_ATTRIBUTES)
        return;
    DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        return;
    trace("First time opening tesselo");
    CreateDirectoryW(settingsDir, nullptr);
    settingsFileCreated = saveOptions();
}

// Writes the whole table into a new file and flushes it to the disk.
static bool writeCompleteFile(const wchar_t* path)
{
    FILE* file = _wfopen(path, L"w");
    if (!file)
        return false;
    bool written = writeSettings(file, optionValues);
    written = fflush(file) == 0 && written;
    written = _commit(_fileno(file)) == 0 && written;
    written = fclose(file) == 0 && written;
    return written;
}

bool saveOptions()
{
    // The new file goes beside the old one and replaces it in one step, so a crash, a
    // power loss or a full disk in the middle of a save leaves the previous settings.
    // A settings file made read-only is left alone, as writing it in place never could.
    wchar_t tempPath[kPathBufferSize];
    DWORD attributes = GetFileAttributesW(fileOptions);
    bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    bool saved =
        fileOptions[0] != L'\0' && !readOnly && buildSaveTempPath(fileOptions, tempPath, kPathBufferSize);
    if (saved) {
        saved = writeCompleteFile(tempPath) &&
                MoveFileExW(tempPath, fileOptions, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!saved)
            DeleteFileW(tempPath);
    }
    if (!saved)
        showMessage("Could not write options file.", kSettingsErrorCaption);
    return saved;
}

bool loadOptions()
{
    // Refused paths: there is no file, and the table as it stands is what counts.
    if (fileOptions[0] == L'\0')
        return true;
    FILE* file = _wfopen(fileOptions, L"r");
    if (!file) {
        showMessage("fileOptions could not be found.", kSettingsErrorCaption);
        return false;
    }
    readSettings(file, optionValues);
    fclose(file);
    return true;
}
