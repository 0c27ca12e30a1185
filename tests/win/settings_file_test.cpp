#include "file_helpers.h"
#include "win_test_support.h"

#include "options/control_binding.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

bool fileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SettingsFile : public testing::Test {
  protected:
    // Every test starts as a first run: no settings folder.
    void SetUp() override
    {
        setDefaults();
        initPaths();
        ASSERT_STRNE(fileOptions, "");
        TearDown();
        recordedMessages.clear();
    }
    void TearDown() override
    {
        SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(fileOptions);
        RemoveDirectoryA(settingsDir);
    }
};

} // namespace

TEST_F(SettingsFile, FirstRunCreatesTheFolderAndWritesTheDefaults)
{
    ASSERT_FALSE(fileExists(settingsDir));
    initPaths();
    EXPECT_EQ(readFile(fileOptions), kDefaultSettingsFile);
    EXPECT_TRUE(recordedMessages.empty());
    // The program's own folder, without a trailing backslash.
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    EXPECT_EQ(std::string(programDir) + "\\orbiqa_win_tests.exe", module);

    optionValues[opacity] = 50;
    initPaths();
    EXPECT_EQ(readFile(fileOptions), kDefaultSettingsFile) << "a later start leaves the file alone";
}

TEST_F(SettingsFile, SaveAndLoadRoundTripThroughTheRealFile)
{
    initPaths();
    optionValues[opacity] = -1;
    optionValues[runAtStartup] = kNoValue;
    optionValues[1999] = -32768;
    saveOptions();
    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_FALSE(fileExists(std::string(fileOptions) + ".new")) << "the new file replaces the old one";
    const std::string saved = readFile(fileOptions);
    EXPECT_EQ(saved.find("0=0\r\n2=-1\r\n54=1\r\n"), 0u) << saved;
    EXPECT_EQ(saved.find("1009="), std::string::npos);

    setDefaults();
    optionValues[optionsPage] = 1;
    loadOptionsIntoDialog();
    EXPECT_EQ(optionValues[opacity], -1);
    EXPECT_EQ(optionValues[1999], -32768);
    EXPECT_EQ(optionValues[runAtStartup], 1) << "an entry the file does not name keeps its value";
    EXPECT_EQ(optionValues[optionsPage], 0);
}

// A read-only settings file cannot be replaced, nor can it when the new file cannot be
// created beside it (a folder is in its way).
TEST_F(SettingsFile, FailedSaveKeepsTheOldFileAndSaysSo)
{
    initPaths();
    const std::string tempPath = std::string(fileOptions) + ".new";
    optionValues[opacity] = 25;
    for (bool readOnly : {true, false}) {
        recordedMessages.clear();
        if (readOnly)
            SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_READONLY);
        else
            ASSERT_TRUE(CreateDirectoryA(tempPath.c_str(), nullptr));
        saveOptions();
        SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(tempPath.c_str());
        EXPECT_FALSE(fileExists(tempPath)) << "nothing is left beside the file";

        ASSERT_EQ(recordedMessages.size(), 1u) << readOnly;
        EXPECT_EQ(recordedMessages[0].text, "Could not write options file.");
        EXPECT_EQ(recordedMessages[0].caption, "Tesselo Error");
        EXPECT_EQ(readFile(fileOptions), kDefaultSettingsFile) << readOnly;
    }
}

TEST_F(SettingsFile, MissingFileOnLoadIsReportedAndChangesNothing)
{
    optionValues[opacity] = 75;
    optionValues[optionsPage] = 1;
    loadOptions();
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "fileOptions could not be found.");
    EXPECT_EQ(recordedMessages[0].caption, "Tesselo Error");
    EXPECT_TRUE(optionValues[opacity] == 75 && optionValues[optionsPage] == 1);
}
