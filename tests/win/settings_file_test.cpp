#include "win_test_support.h"

#include "options/control_binding.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

// A first run creates the folder and writes the defaults, which a later start leaves alone.
// A save replaces the file whole; a read-only file, or a folder in the way of the new
// file, keeps the old file and says so, and a file gone missing is reported and read as
// nothing.
TEST(SettingsFile, IsWrittenOnceThenReplacedWholeOrKeptAndSaysSo)
{
    const auto removeFile = [] { DeleteFileA(fileOptions), RemoveDirectoryA(settingsDir); };
    setDefaults();
    initPaths();
    removeFile(); // a first run: the defaults, and no settings folder
    messagesShown = 0;
    initPaths();
    EXPECT_NE(readFile(fileOptions).find("2=175\r\n"), std::string::npos);
    writeFile(fileOptions, "2=50\r\n");
    initPaths();
    EXPECT_EQ(readFile(fileOptions), "2=50\r\n");
    optionValues[opacity] = -1;
    optionValues[runAtStartup] = kNoValue;

    const std::string tempPath = std::string(fileOptions) + ".new";
    saveOptions();
    const std::string saved = readFile(fileOptions);
    EXPECT_TRUE(saved.find("0=0\r\n2=-1\r\n54=1\r\n") == 0 && saved.find("1009=") == std::string::npos &&
                GetFileAttributesA(tempPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        << saved;
    setDefaults();
    loadOptionsIntoDialog();
    EXPECT_TRUE(optionValues[opacity] == -1 && optionValues[runAtStartup] == 1)
        << "unnamed entries keep their value";

    optionValues[opacity] = 25;
    for (bool readOnly : {true, false}) {
        if (readOnly)
            SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_READONLY);
        else
            EXPECT_TRUE(CreateDirectoryA(tempPath.c_str(), nullptr));
        saveOptions();
        SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(tempPath.c_str());
        EXPECT_TRUE(readFile(fileOptions) == saved &&
                    GetFileAttributesA(tempPath.c_str()) == INVALID_FILE_ATTRIBUTES)
            << readOnly;
    }
    EXPECT_EQ(messagesShown, 2);
    removeFile();
    loadOptions();
    EXPECT_TRUE(messagesShown == 3 && optionValues[opacity] == 25);
    removeFile();
}
