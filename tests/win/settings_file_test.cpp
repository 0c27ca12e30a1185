#include "win_test_support.h"

#include "options/control_binding.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

// In an application-data folder named in any language, a first run creates the folder
// and writes the defaults. A later start leaves the file alone, even one held by another
// program without sharing: that is read as nothing (the user is told), kept byte for
// byte, and the program runs on its defaults. A save replaces the file whole; a read-only
// file, or a folder in the way of the new file, keeps the old file and says so, and a
// file gone missing is reported and read as nothing.
TEST(SettingsFile, IsWrittenOnceThenReplacedWholeOrKeptAndSaysSo)
{
    HKEY scratchUser;
    RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\OrbiqaTest", &scratchUser);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratchUser), ERROR_SUCCESS);
    RegSetKeyValueW(HKEY_CURRENT_USER,
                    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", L"AppData",
                    REG_SZ, kForeignFolder, sizeof kForeignFolder);
    const auto removeFile = [] { DeleteFileW(fileOptions), RemoveDirectoryW(settingsDir); };
    setDefaults();
    initPaths();
    EXPECT_EQ(std::wstring(fileOptions), kForeignFolder + std::wstring(L"\\Orbiqa\\Settings.dat"));
    removeFile(); // a first run: the defaults, and no settings folder
    messagesShown = 0;
    initPaths();
    EXPECT_NE(readFile(fileOptions).find("2=175\r\n"), std::string::npos);
    writeFile(fileOptions, "2=50\r\n");
    HANDLE held = CreateFileW(fileOptions, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    initPaths();
    EXPECT_FALSE(loadOptions());
    CloseHandle(held);
    EXPECT_TRUE(readFile(fileOptions) == "2=50\r\n" && messagesShown == 1 && optionValues[opacity] == 175);
    optionValues[opacity] = -1;
    optionValues[runAtStartup] = kNoValue;

    const std::wstring tempPath = std::wstring(fileOptions) + L".new";
    saveOptions();
    const std::string saved = readFile(fileOptions);
    EXPECT_TRUE(saved.find("0=0\r\n2=-1\r\n54=1\r\n") == 0 && saved.find("1009=") == std::string::npos &&
                GetFileAttributesW(tempPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        << saved;
    setDefaults();
    loadOptions();
    EXPECT_TRUE(optionValues[opacity] == -1 && optionValues[runAtStartup] == 1)
        << "unnamed entries keep their value";

    optionValues[opacity] = 25;
    for (bool readOnly : {true, false}) {
        if (readOnly)
            SetFileAttributesW(fileOptions, FILE_ATTRIBUTE_READONLY);
        else
            EXPECT_TRUE(CreateDirectoryW(tempPath.c_str(), nullptr));
        saveOptions();
        SetFileAttributesW(fileOptions, FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryW(tempPath.c_str());
        EXPECT_TRUE(readFile(fileOptions) == saved &&
                    GetFileAttributesW(tempPath.c_str()) == INVALID_FILE_ATTRIBUTES)
            << readOnly;
    }
    EXPECT_EQ(messagesShown, 3);
    removeFile();
    loadOptions();
    EXPECT_TRUE(messagesShown == 4 && optionValues[opacity] == 25);
    removeFile();
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(scratchUser);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrbiqaTest");
}
