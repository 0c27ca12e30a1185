#include "win_test_support.h"

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

// Every default in ascending key order, with the CR LF line ends of a text-mode file.
TEST_F(SettingsFile, FirstRunWritesTheDefaultsOnceAndAMissingFileIsReported)
{
    initPaths();
    EXPECT_EQ(readFile(fileOptions),
              "0=0\r\n2=175\r\n54=1\r\n55=120\r\n56=1\r\n57=121\r\n1007=1\r\n1008=0\r\n1009=1\r\n1010=1\r\n"
              "1011=1\r\n1012=0\r\n1013=1\r\n1018=1\r\n1019=0\r\n1020=0\r\n1022=0\r\n1033=1\r\n1064=0\r\n"
              "1065=0\r\n1066=1\r\n1068=1\r\n1125=0\r\n1211=0\r\n");
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    EXPECT_EQ(std::string(programDir) + "\\orbiqa_win_tests.exe", module) << "no trailing backslash";

    optionValues[opacity] = 50;
    initPaths();
    EXPECT_EQ(readFile(fileOptions).find("2=175\r\n"), 5u) << "a later start leaves the file alone";
    EXPECT_EQ(messagesShown, 0);

    TearDown();
    loadOptions();
    EXPECT_TRUE(messagesShown == 1 && optionValues[opacity] == 50)
        << "a missing file is reported, nothing read";
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
    loadOptions();
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
