#include "input/shortcut_keys.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kF9 = 0x78;
constexpr int16_t kDown = int16_t(0x8000);
constexpr int16_t kPressedSinceLastCall = 0x0001;

// A keyboard for the held test: the state of each key, and the keys read in order.
std::map<int, int16_t> keyStates;
std::vector<int> keysRead;

int16_t fakeKeyState(int virtualKey)
{
    keysRead.push_back(virtualKey);
    auto state = keyStates.find(virtualKey);
    return state == keyStates.end() ? 0 : state->second;
}

std::string nameOf(int virtualKey, const char* already = "")
{
    char buffer[10] = {};
    strncpy(buffer, already, sizeof buffer - 1);
    return nameFromKey(virtualKey, buffer, sizeof buffer);
}

} // namespace

TEST(KeyNames, ListOrderAndRoundTrip)
{
    std::vector<std::pair<std::string, int>> expected;
    for (int i = 0; i < 12; ++i)
        expected.push_back({"F" + std::to_string(i + 1), 0x70 + i});
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        expected.push_back({std::string(1, letter), letter});

    ASSERT_EQ(expected.size(), size_t(kKeyNameCount));
    for (int i = 0; i < kKeyNameCount; ++i) {
        EXPECT_EQ(keyNames[i], expected[i].first) << i;
        EXPECT_EQ(keyFromName(keyNames[i]), expected[i].second) << keyNames[i];
        EXPECT_EQ(nameOf(expected[i].second), expected[i].first);
    }
}

TEST(KeyNames, NamesOutsideTheTable)
{
    struct {
        const char* name;
        int code;
    } cases[] = {
        {"", 0},   {"f1", 0},  {"F13", 0}, {"F0", 0},     {"F01", 0}, {"F1 ", 0},
        {"AB", 0}, {"a", 'a'}, {"9", '9'}, {"\xE9", -23}, {"F", 'F'},
    };
    for (auto c : cases)
        EXPECT_EQ(keyFromName(c.name), c.code) << '"' << c.name << '"';
}

TEST(KeyNames, CodesOutsideTheTableAppendNothing)
{
    for (int code : {0, 0x40, 0x5B, int('a'), 0x6F, 0x7C, -1, 0x141, 0x170})
        EXPECT_EQ(nameOf(code), "") << code;
    // The name is appended to what the buffer holds, and only when it fits.
    EXPECT_EQ(nameOf('Q', "x"), "xQ");
    EXPECT_EQ(nameOf(0x7B, "1234567"), "1234567"); // "F12" would need 11 bytes
    EXPECT_EQ(nameOf(0x7B, "123456"), "123456F12");
}

TEST(HeldTest, ModifierFlagsAndTheKeysRead)
{
    constexpr int A = kVkMenu, C = kVkControl, S = kVkShift;
    struct Case {
        int flags;
        std::vector<int> down;
        bool held;
        std::vector<int> read;
    } cases[] = {
        {0, {kF9}, true, {kF9}}, // no modifier: the key alone, no modifier read
        {0, {}, false, {kF9}},
        {1, {A, kF9}, true, {A, kF9}},
        {1, {kF9}, false, {A}}, // key not read when the modifier is up
        {1, {A}, false, {A, kF9}},
        {1, {C, A, S, kF9}, true, {A, kF9}}, // extra modifiers do not matter
        {2, {C, kF9}, true, {C, kF9}},
        {2, {A, kF9}, false, {C}},
        {3, {A, kF9}, false, {C}}, // ALT not read while CTRL is up
        {3, {C, kF9}, false, {C, A}},
        {3, {C, A, kF9}, true, {C, A, kF9}},
        {4, {S, A, kF9}, true, {S, kF9}},
        {5, {A, kF9}, false, {A, S}}, // every named bit must be down
        {5, {S, kF9}, false, {A}},
        {5, {A, S, kF9}, true, {A, S, kF9}},
        {6, {S, kF9}, false, {C}}, // SHIFT not read while CTRL is up
        {6, {C, S, kF9}, true, {C, S, kF9}},
        {7, {C, A, kF9}, false, {C, A, S}},
        {7, {C, A, S, kF9}, true, {C, A, S, kF9}},
        {8, {kF9}, true, {kF9}}, // unknown bits are ignored
        {8 | 1, {kF9}, false, {A}},
        {-1, {C, A, S, kF9}, true, {C, A, S, kF9}},
    };
    for (const Case& c : cases) {
        keyStates.clear();
        keysRead.clear();
        for (int key : c.down)
            keyStates[key] = kDown;
        EXPECT_EQ(shortcutHeld(fakeKeyState, c.flags, kF9), c.held) << "flags " << c.flags;
        EXPECT_EQ(keysRead, c.read) << "flags " << c.flags;
    }
}

TEST(HeldTest, OnlyTheTopBitMeansDown)
{
    struct {
        int16_t state;
        bool held;
    } cases[] = {{0, false}, {kPressedSinceLastCall, false}, {kDown, true}, {int16_t(0x8001), true}};
    for (auto c : cases) {
        keyStates = {{kVkMenu, c.state}, {kF9, kDown}};
        EXPECT_EQ(shortcutHeld(fakeKeyState, kModAlt, kF9), c.held) << c.state;
        keyStates = {{kVkMenu, kDown}, {kF9, c.state}};
        EXPECT_EQ(shortcutHeld(fakeKeyState, kModAlt, kF9), c.held) << c.state;
    }
}

TEST(ToggleGuard, StrictlyLongerThanTheGuardAcrossTheWrap)
{
    struct {
        uint32_t now, last, guard;
        bool passed;
    } cases[] = {
        {123456, 0, 0, true}, // the first press after start-up
        {1500, 1000, 500, false},       {1501, 1000, 500, true},      {0xFFFFFFF0u, 0xFFFFFF00u, 500, false},
        {244, 0xFFFFFF00u, 500, false}, // exactly 500 ms, across the wrap
        {245, 0xFFFFFF00u, 500, true},  {0, 0xFFFFFFFFu, 500, false},
    };
    for (auto c : cases)
        EXPECT_EQ(toggleGuardPassed(c.now, c.last, c.guard), c.passed) << c.now << " " << c.last;
}

TEST(Centring, CornerForOddEvenAndNegative)
{
    struct {
        int cursorX, cursorY, width, height, screenHeight;
        int x, y;
    } cases[] = {
        {640, 400, 304, 304, 800, 488, 248}, // even: covers columns 488..791, cursor at image column 152
        {640, 400, 105, 37, 800, 588, 382},  // odd: halves truncate
        {-10, -20, 105, 37, 800, -62, 802},  // cursor above and left of the screen
        {1300, 900, 105, 37, 800, 1248, -118},
        {5, 5, 0, 0, 800, 5, 795}, // no image
        {0, 0, -5, -5, 10, 2, 12}, // truncation toward zero, not down
    };
    for (auto c : cases) {
        EXPECT_EQ(spotlightCornerX(c.cursorX, c.width), c.x) << c.cursorX << "," << c.width;
        EXPECT_EQ(spotlightCornerY(c.cursorY, c.height, c.screenHeight), c.y) << c.cursorY << "," << c.height;
    }
}
