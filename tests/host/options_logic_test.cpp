#include "options/options_layout.h"
#include "settings/startup_command.h"

#include <gtest/gtest.h>

#include <string>

TEST(StartupCommand, QuotesOnlyAFolderWithBlanks)
{
    struct {
        const char* dir;
        const char* command;
    } cases[] = {
        {"C:\\Tools\\X", "C:\\Tools\\X\\Orbiqa.exe"},
        {"C:\\Program Files\\X", "\"C:\\Program Files\\X\\Orbiqa.exe\""},
        {"C:\\Tab\there", "\"C:\\Tab\there\\Orbiqa.exe\""},
        {"\\\\server\\share", "\\\\server\\share\\Orbiqa.exe"},
        {"C:\\", "C:\\\\Orbiqa.exe"}, // the root keeps its backslash, as the folder lookup leaves it
        {"", ""},                     // no folder known: refused, not "\Orbiqa.exe"
    };
    for (auto c : cases) {
        char command[kStartupCommandSize] = "stale";
        EXPECT_EQ(buildStartupCommand(c.dir, command, sizeof command), c.command[0] != '\0') << c.dir;
        EXPECT_STREQ(command, c.command);
    }
}

TEST(StartupCommand, TheLongestFolderFitsAndATooSmallBufferIsRefusedWhole)
{
    // The longest folder the path buffers hold, with a blank: quoted, it still fits.
    std::string longest(kPathBufferSize - 1, 'x');
    longest[0] = 'C', longest[1] = ':', longest[2] = '\\', longest[10] = ' ';
    char command[kStartupCommandSize];
    ASSERT_TRUE(buildStartupCommand(longest.c_str(), command, sizeof command));
    EXPECT_EQ(std::string(command), "\"" + longest + "\\Orbiqa.exe\"");

    // One byte short of "\"C:\\A B\\Orbiqa.exe\"" and its terminator: nothing half-built.
    const std::string expected = "\"C:\\A B\\Orbiqa.exe\"";
    for (size_t size : {size_t(0), size_t(1), expected.size() - 1, expected.size()}) {
        char small[32] = "stale";
        EXPECT_FALSE(buildStartupCommand("C:\\A B", small, size)) << size;
        EXPECT_STREQ(small, size == 0 ? "stale" : "") << size;
    }
    char exact[32];
    EXPECT_TRUE(buildStartupCommand("C:\\A B", exact, expected.size() + 1));
    EXPECT_EQ(exact, expected);
}

TEST(OpacityLabel, ATooSmallBufferIsRefusedNotOverrun)
{
    char tight[12]; // "100% Opaque" and its terminator
    EXPECT_TRUE(formatOpacityLabel(10, tight, sizeof tight));
    EXPECT_STREQ(tight, "100% Opaque");
    EXPECT_FALSE(formatOpacityLabel(10, tight, sizeof tight - 1));
    EXPECT_STREQ(tight, "");
}
