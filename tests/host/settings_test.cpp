#include "settings/option_table.h"
#include "settings/paths.h"
#include "settings/settings_codec.h"

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

TEST(SettingsPaths, JoinsWithinTheBufferOrRefuses)
{
    char settingsDir[kPathBufferSize];
    char fileOptions[kPathBufferSize];
    ASSERT_TRUE(buildSettingsPaths("C:\\Users\\ann\\AppData\\Roaming", settingsDir, fileOptions));
    EXPECT_STREQ(fileOptions, "C:\\Users\\ann\\AppData\\Roaming\\Orbiqa\\Settings.dat");

    // The longest folder whose settings file and save file both still fit, and one more.
    std::string longest(kPathBufferSize - 1 - strlen("\\Orbiqa\\Settings.dat.new"), 'a');
    EXPECT_TRUE(buildSettingsPaths(longest.c_str(), settingsDir, fileOptions));
    EXPECT_FALSE(buildSettingsPaths((longest + "a").c_str(), settingsDir, fileOptions));
    EXPECT_STREQ(settingsDir, "");
    EXPECT_STREQ(fileOptions, "");
    EXPECT_FALSE(buildSettingsPaths("", settingsDir, fileOptions));

    char small[8] = "abc";
    EXPECT_FALSE(appendBounded(small, sizeof small, "defgh"));
    EXPECT_STREQ(small, "abc");
    EXPECT_TRUE(appendBounded(small, sizeof small, "defg"));
    EXPECT_STREQ(small, "abcdefg");
}
