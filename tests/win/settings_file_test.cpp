#include "win_test_support.h"

#include "settings/option_table.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string readFile(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void removeSettingsFolder()
{
    std::string dir = settingsDir;
    SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(fileOptions);
    DeleteFileA((std::string(fileOptions) + ".new").c_str());
    RemoveDirectoryA(dir.c_str());
}

class SettingsFile : public testing::Test {
  protected:
    void SetUp() override
    {
        recordedMessages.clear();
        setDefaults();
        initPaths();
        ASSERT_STRNE(fileOptions, "");
        removeSettingsFolder();
        recordedMessages.clear();
    }
    void TearDown() override { removeSettingsFolder(); }
};

const char kDefaultFile[] =
    "0=0\r\n2=175\r\n54=1\r\n55=120\r\n56=1\r\n57=121\r\n1007=1\r\n1008=0\r\n1009=1\r\n"
    "1010=1\r\n1011=1\r\n1012=0\r\n1013=1\r\n1018=1\r\n1019=0\r\n1020=0\r\n1022=0\r\n"
    "1033=1\r\n1064=0\r\n1065=0\r\n1066=1\r\n1068=1\r\n1125=0\r\n1211=0\r\n";

} // namespace

TEST_F(SettingsFile, FirstRunCreatesTheFolderAndWritesTheDefaults)
{
    ASSERT_FALSE(fileExists(settingsDir));
    setDefaults();
    initPaths();

    EXPECT_EQ(readFile(fileOptions), kDefaultFile);
    EXPECT_TRUE(recordedMessages.empty());
    std::string dir = settingsDir;
    EXPECT_EQ(dir.substr(dir.size() - 8), "\\Orbiqa\\");
    EXPECT_EQ(std::string(fileOptions), dir + "Settings.dat");

    // programDir is the folder of this executable, without a trailing backslash.
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string moduleName = module;
    EXPECT_EQ(moduleName.compare(0, strlen(programDir), programDir), 0) << programDir;
    EXPECT_NE(programDir[strlen(programDir) - 1], '\\');

    // A second start finds the file and leaves it alone.
    optionValues[opacity] = 50;
    initPaths();
    EXPECT_EQ(readFile(fileOptions), kDefaultFile);
}

TEST_F(SettingsFile, SaveAndLoadRoundTripThroughTheRealFile)
{
    setDefaults();
    initPaths();
    optionValues[opacity] = -1;
    optionValues[5] = 7;
    optionValues[runAtStartup] = kNoValue;
    optionValues[1999] = -32768;
    saveOptions();
    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_FALSE(fileExists(std::string(fileOptions) + ".new")) << "the temporary file is renamed, not left";

    std::string saved = readFile(fileOptions);
    EXPECT_NE(saved.find("2=-1\r\n5=7\r\n54=1\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("1009="), std::string::npos);

    setDefaults();
    optionValues[optionsPage] = 1;
    loadOptions();
    EXPECT_EQ(optionValues[opacity], -1);
    EXPECT_EQ(optionValues[5], 7);
    EXPECT_EQ(optionValues[1999], -32768);
    EXPECT_EQ(optionValues[runAtStartup], 1) << "an entry the file does not name keeps its value";
    EXPECT_EQ(optionValues[optionsPage], 0);
}

TEST_F(SettingsFile, FailedSaveKeepsTheOldFileAndSaysSo)
{
    setDefaults();
    initPaths();
    const std::string before = readFile(fileOptions);
    optionValues[opacity] = 25;

    // A read-only settings file cannot be replaced.
    SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_READONLY);
    saveOptions();
    SetFileAttributesA(fileOptions, FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "Could not write options file.");
    EXPECT_EQ(recordedMessages[0].caption, "Tesselo Error");
    EXPECT_EQ(readFile(fileOptions), before);
    EXPECT_FALSE(fileExists(std::string(fileOptions) + ".new"));

    // Nor when the new file cannot be created beside it (a folder is in its way).
    recordedMessages.clear();
    const std::string tempPath = std::string(fileOptions) + ".new";
    ASSERT_TRUE(CreateDirectoryA(tempPath.c_str(), nullptr));
    saveOptions();
    RemoveDirectoryA(tempPath.c_str());
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "Could not write options file.");
    EXPECT_EQ(readFile(fileOptions), before);
    EXPECT_EQ(optionValues[opacity], 25) << "the table is unchanged";
}

TEST_F(SettingsFile, MissingFileOnLoadIsReportedAndChangesNothing)
{
    setDefaults();
    initPaths();
    DeleteFileA(fileOptions);
    optionValues[opacity] = 75;
    optionValues[optionsPage] = 1;
    loadOptions();
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "fileOptions could not be found.");
    EXPECT_EQ(recordedMessages[0].caption, "Tesselo Error");
    EXPECT_EQ(optionValues[opacity], 75);
    EXPECT_EQ(optionValues[optionsPage], 1);
}
