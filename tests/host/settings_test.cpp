#include "app/tray_icon_path.h"
#include "overlay/spotlight_choice.h"
#include "settings/option_table.h"
#include "settings/paths.h"
#include "settings/settings_codec.h"
#include "settings/startup_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Runs text through the real reader, as if it were the settings file.
void loadText(const std::string& text, int16_t* table)
{
    FILE* file = tmpfile();
    ASSERT_NE(file, nullptr);
    fwrite(text.data(), 1, text.size(), file);
    rewind(file);
    readSettings(file, table);
    fclose(file);
}

std::string saveText(const int16_t* table)
{
    FILE* file = tmpfile();
    EXPECT_TRUE(writeSettings(file, table));
    std::string text(size_t(ftell(file)), '\0');
    rewind(file);
    EXPECT_EQ(fread(&text[0], 1, text.size(), file), text.size());
    fclose(file);
    return text;
}

const char kDefaultFile[] = "0=0\n2=175\n54=1\n55=120\n56=1\n57=121\n1007=1\n1008=0\n1009=1\n1010=1\n1011=1\n"
                            "1012=0\n1013=1\n1018=1\n1019=0\n1020=0\n1022=0\n1033=1\n1064=0\n1065=0\n1066=1\n"
                            "1068=1\n1125=0\n1211=0\n";

} // namespace

TEST(Defaults, WriteExactlyTheTwentyFourDefaultLines)
{
    setDefaultValues();
    EXPECT_EQ(saveText(optionValues), kDefaultFile);
}

// Numbers read the forgiving way the file always was: leading blanks, one sign, digits up
// to the first non-digit, 32-bit wrap-around, then the low 16 bits.
TEST(SettingsLoad, AppliesLinesByTheFileRules)
{
    struct {
        const char* file;
        int key;
        int16_t expected;
    } cases[] = {
        {"1009 = 0\n", runAtStartup, 0},
        {"2= \t+7\n", opacity, 7},
        {"2=12abc\n", opacity, 12},
        {"2=--5\n", opacity, 0},
        {"2=- 5\n", opacity, 0},
        {"2=-1\n", opacity, -1},
        {"2=65536\n", opacity, 0},
        {"2=32768\n", opacity, -32768},
        {"2=98303\n", opacity, 32767},
        {"2=4294967471\n", opacity, 175},
        {"2=99999999999999999999\n", opacity, -1},
        {"1009=9999\n", runAtStartup, kNoValue},
        {"2=100\n2=200\n", opacity, 200}, // later lines win
        {"2=100\r\n2=50\r\n", opacity, 50},
        {"1009=0\r\n", runAtStartup, 0},
        {"=5\n", optionsPage, 5}, // no digits read as key 0
        {"1999=3", 1999, 3},      // last line without a line end
    };
    for (auto c : cases) {
        setDefaultValues();
        loadText(c.file, optionValues);
        EXPECT_EQ(optionValues[c.key], c.expected) << c.file;
    }
}

TEST(SettingsLoad, IgnoresWhatItCannotPlace)
{
    setDefaultValues();
    int16_t before[kOptionCount];
    memcpy(before, optionValues, sizeof before);
    loadText("2000=1\n-3=1\n4294967295=1\nno equals sign\n\n\n65538=4\n", optionValues);
    EXPECT_EQ(memcmp(before, optionValues, sizeof before), 0);
}

TEST(SettingsLoad, LongLinesAreReadInChunksOfTheBuffer)
{
    // 359 characters fill one read; the rest of the line is read as a line of its own.
    setDefaultValues();
    loadText("2=" + std::string(359 - 2, ' ') + "1009=0\n", optionValues);
    EXPECT_EQ(optionValues[opacity], 0) << "the value starts past the first read";
    EXPECT_EQ(optionValues[runAtStartup], 0) << "the tail is a line of its own";

    setDefaultValues();
    loadText(std::string(2000, 'x') + "=1\n2=9\n", optionValues);
    EXPECT_EQ(optionValues[opacity], 9);
}

// Every path the program builds: whole within its buffer or not at all, never written
// past it, and never from an empty folder, which would name a file in a drive's root.
TEST(Paths, EveryJoinFitsItsBufferOrIsRefusedWhole)
{
    using Build = bool (*)(const char* dir, char* out, size_t size);
    struct {
        const char* what;
        Build build;
        size_t size;
        const char* added;
        size_t slack;   // bytes that must also fit beyond the result
        bool fromEmpty; // only an empty folder is refused, not an empty file name
    } cases[] = {
        {"tray icon", buildTrayIconPath, kTrayIconPathSize, "\\orbiqaIco.ICO", 0, false},
        {"spotlight",
         [](const char* dir, char* out, size_t size) {
             return buildSpotlightPath(dir, {1, 0, 0, 0, 0, 1, 0, 0}, out, size);
         },
         kSpotlightPathSize, "\\spotlightCircleLarge.bmp", 0, false},
        {"run command", buildStartupCommand, kStartupCommandSize, "\\Orbiqa.exe", 0, false},
        {"save file", buildSaveTempPath, kPathBufferSize, ".new", 0, true},
        {"settings file",
         [](const char* dir, char* out, size_t) {
             char settingsDir[kPathBufferSize];
             return buildSettingsPaths(dir, settingsDir, out);
         },
         kPathBufferSize, "\\Orbiqa\\Settings.dat", strlen(".new"), false},
    };
    for (auto c : cases) {
        const size_t longest = c.size - 1 - strlen(c.added) - c.slack;
        for (size_t length : {size_t(0), longest, longest + 1}) {
            const std::string dir(length, 'd');
            const bool fits = length <= longest && (length > 0 || c.fromEmpty);
            std::string buffer(c.size + 16, '#');
            EXPECT_EQ(c.build(dir.c_str(), &buffer[0], c.size), fits) << c.what << " " << length;
            EXPECT_EQ(std::string(buffer.c_str()), fits ? dir + c.added : "") << c.what << " " << length;
            EXPECT_EQ(buffer.substr(c.size), std::string(16, '#')) << c.what << " written past the end";
        }
    }
}

TEST(StartupCommand, QuotesOnlyAFolderWithBlanks)
{
    struct {
        const char* dir;
        const char* command;
    } cases[] = {
        {"C:\\Tools\\X", "C:\\Tools\\X\\Orbiqa.exe"},
        {"C:\\Program Files\\X", "\"C:\\Program Files\\X\\Orbiqa.exe\""},
        {"C:\\", "C:\\\\Orbiqa.exe"}, // the root keeps its backslash, as the folder lookup leaves it
    };
    for (auto c : cases) {
        char command[kStartupCommandSize];
        EXPECT_TRUE(buildStartupCommand(c.dir, command, sizeof command));
        EXPECT_STREQ(command, c.command);
    }
}
