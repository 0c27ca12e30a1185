#include "settings/option_table.h"
#include "settings/paths.h"
#include "settings/settings_codec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Runs text through the real reader, as if it were the settings file, over the defaults.
void loadText(const std::string& text)
{
    setDefaultValues();
    FILE* file = tmpfile();
    ASSERT_NE(file, nullptr);
    fwrite(text.data(), 1, text.size(), file);
    rewind(file);
    readSettings(file, optionValues);
    fclose(file);
}

} // namespace

// Numbers read the forgiving way the file always was: leading blanks, one sign, digits up
// to the first non-digit, 32-bit wrap-around, then the low 16 bits. Later lines win, no
// digits read as key 0, and the last line needs no line end.
TEST(SettingsLoad, AppliesLinesByTheFileRules)
{
    struct {
        const char* file;
        int key;
        int16_t expected;
    } cases[] = {{"2= \t+7\n", opacity, 7},        {"2=12abc\n", opacity, 12},
                 {"2=--5\n", opacity, 0},          {"2=-1\n", opacity, -1},
                 {"2=32768\n", opacity, -32768},   {"2=98303\n", opacity, 32767},
                 {"2=4294967471\n", opacity, 175}, {"2=100\r\n2=50\r\n", opacity, 50},
                 {"=5\n", optionsPage, 5},         {"1999=3", 1999, 3}};
    for (auto c : cases) {
        loadText(c.file);
        EXPECT_EQ(optionValues[c.key], c.expected) << c.file;
    }
}

// Keys outside the table, whole or cut to 16 bits, and lines without "=" change nothing.
TEST(SettingsLoad, IgnoresWhatItCannotPlace)
{
    setDefaultValues();
    int16_t before[kOptionCount];
    memcpy(before, optionValues, sizeof before);
    loadText("2000=1\n-3=1\n4294967295=1\nno equals sign\n\n65538=4\n");
    EXPECT_EQ(memcmp(before, optionValues, sizeof before), 0);
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
