#include "app/tray_icon_path.h"
#include "overlay/spotlight_choice.h"
#include "settings/option_table.h"
#include "settings/paths.h"
#include "settings/settings_codec.h"
#include "settings/startup_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

// Numbers read the forgiving way the file always was: leading blanks, one sign, digits up
// to the first non-digit, 32-bit wrap-around, then the low 16 bits. Later lines win, no
// digits read as key 0, and the last line needs no line end. Keys outside the table, whole
// or cut to 16 bits, and lines without "=" change nothing; no line changes another entry.
TEST(SettingsLoad, AppliesLinesByTheFileRulesAndIgnoresWhatItCannotPlace)
{
    // clang-format off
    struct { const char* file; int key; int16_t expected; } cases[] = { // key -1: none
        {"2= \t+7\n", opacity, 7}, {"2=12abc\n", opacity, 12}, {"2=--5\n", opacity, 0}, {"2=-1\n", opacity, -1},
        {"2=32768\n", opacity, -32768}, {"2=98303\n", opacity, 32767}, {"2=4294967471\n", opacity, 175},
        {"2=100\r\n2=50\r\n", opacity, 50}, {"=5\n", optionsPage, 5}, {"1999=3", 1999, 3},
        {"2000=1\n-3=1\n4294967295=1\nno equals sign\n\n65538=4\n", -1, 0}};
    // clang-format on
    setDefaultValues();
    const std::vector<int16_t> defaults(optionValues, optionValues + kOptionCount);
    for (auto c : cases) {
        // Through the real reader, as if the text were the settings file, over the defaults.
        std::vector<int16_t> loaded = defaults, expected = defaults;
        FILE* file = fmemopen(const_cast<char*>(c.file), strlen(c.file), "r");
        readSettings(file, loaded.data());
        fclose(file);
        if (c.key >= 0)
            expected[size_t(c.key)] = c.expected;
        EXPECT_EQ(loaded, expected) << c.file;
    }
}

// Every path the program builds: whole within its buffer or not at all, never written
// past it, and never from an empty folder, which would name a file in a drive's root.
TEST(Paths, EveryJoinFitsItsBufferOrIsRefusedWhole)
{
    using Build = bool (*)(const wchar_t* dir, wchar_t* out, size_t size);
    // slack: characters that must also fit beyond the result; fromEmpty: only an empty folder
    // is refused, not an empty file name.
    // clang-format off
    struct Case { const char* what; Build build; size_t size; const wchar_t* added; size_t slack; bool fromEmpty; };
    // clang-format on
    const Case cases[] = {
        {"tray icon", buildTrayIconPath, kPathBufferSize, L"\\orbiqaIco.ICO", 0, false},
        {"spotlight",
         [](const wchar_t* dir, wchar_t* out, size_t size) {
             return buildSpotlightPath(dir, {1, 0, 0, 0, 0, 1, 0, 0}, out, size);
         },
         kPathBufferSize, L"\\spotlightCircleLarge.bmp", 0, false},
        {"run command", buildStartupCommand, kStartupCommandSize, L"\\Orbiqa.exe", 0, false},
        {"save file", buildSaveTempPath, kPathBufferSize, L".new", 0, true},
        {"settings file",
         [](const wchar_t* dir, wchar_t* out, size_t) {
             wchar_t settingsDir[kPathBufferSize];
             return buildSettingsPaths(dir, settingsDir, out);
         },
         kPathBufferSize, L"\\Orbiqa\\Settings.dat", wcslen(L".new"), false},
    };
    for (auto c : cases) {
        const size_t longest = c.size - 1 - wcslen(c.added) - c.slack;
        for (size_t length : {size_t(0), longest, longest + 1}) {
            const std::wstring dir(length, L'd');
            const bool fits = length <= longest && (length > 0 || c.fromEmpty);
            std::wstring buffer(c.size + 16, L'#');
            EXPECT_EQ(c.build(dir.c_str(), &buffer[0], c.size), fits) << c.what << " " << length;
            EXPECT_EQ(std::wstring(buffer.c_str()), fits ? dir + c.added : L"") << c.what << " " << length;
            EXPECT_EQ(buffer.substr(c.size), std::wstring(16, L'#')) << c.what << " written past the end";
        }
    }
}
