#include "win_test_support.h"

#include "options/control_binding.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Every test starts as a first run: the defaults, and no settings folder.
class SettingsFile : public testing::Test {
  protected:
    void SetUp() override
    {
        setDefaults();
        initPaths();
        TearDown();
        messagesShown = 0;
    }
    void TearDown() override
    {
        SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(fileOptions);
        RemoveDirectoryA(settingsDir);
    }
};

} // namespace

// A first run creates the folder and writes the defaults; a later start leaves the file
// alone, and a file gone missing is reported and read as nothing.
TEST_F(SettingsFile, FirstRunWritesTheDefaultsOnceAndAMissingFileIsReported)
{
    initPaths();
    const std::string first = readFile(fileOptions);
    EXPECT_EQ(first.substr(0, 12), "0=0\r\n2=175\r\n");
    optionValues[opacity] = 50;
    initPaths();
    EXPECT_TRUE(readFile(fileOptions) == first && messagesShown == 0);

    TearDown();
    loadOptions();
    EXPECT_TRUE(messagesShown == 1 && optionValues[opacity] == 50);
}

// A save replaces the file whole. A read-only file, or a folder in the way of the new
// file, keeps the old file and says so.
TEST_F(SettingsFile, SaveReplacesTheFileOrKeepsTheOldOneAndSaysSo)
{
    initPaths();
    const std::string tempPath = std::string(fileOptions) + ".new";
    optionValues[opacity] = -1;
    optionValues[runAtStartup] = kNoValue;
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
            ASSERT_TRUE(CreateDirectoryA(tempPath.c_str(), nullptr));
        saveOptions();
        SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(tempPath.c_str());
        EXPECT_TRUE(readFile(fileOptions) == saved &&
                    GetFileAttributesA(tempPath.c_str()) == INVALID_FILE_ATTRIBUTES)
            << readOnly;
    }
    EXPECT_EQ(messagesShown, 2);
}
