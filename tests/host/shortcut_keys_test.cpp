#include "app/tray_text.h"
#include "input/shortcut_keys.h"

#include "fake_keyboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

static std::string nameOf(int virtualKey, const char* already = "")
{
    char buffer[10] = {};
    strncpy(buffer, already, sizeof buffer - 1);
    return nameFromKey(virtualKey, buffer, sizeof buffer);
}

// F1..F12 then A..Z, each name giving its own key and back; nothing else has a name.
TEST(KeyNames, ListOrderRoundTripAndNamesOutsideTheTable)
{
    ASSERT_EQ(kKeyNameCount, 38);
    // clang-format off
    struct { int place; const char* name; int code; } named[] = {
        {0, "F1", 0x70}, {1, "F2", 0x71}, {9, "F10", 0x79}, {11, "F12", 0x7B}, {12, "A", 0x41}, {37, "Z", 0x5A}};
    // clang-format on
    for (auto n : named) // each name's code read back to its name below
        EXPECT_TRUE(keyNames[n.place] == std::string(n.name) && keyFromName(n.name) == n.code) << n.name;
    std::set<int> codes;
    for (const char* name : keyNames)
        EXPECT_TRUE(codes.insert(keyFromName(name)).second && nameOf(keyFromName(name)) == name) << name;
    for (const char* name : {"", "f1", "F13", "F1 "})
        EXPECT_EQ(keyFromName(name), 0) << '"' << name << '"';
    for (int code : {0x40, 0x5B, int('a'), 0x6F, 0x7C, -1})
        EXPECT_EQ(nameOf(code), "") << code;
    // Appended to what the buffer holds, and only when it fits.
    EXPECT_TRUE(nameOf(0x7B, "123456") == "123456F12" && nameOf(0x7B, "1234567") == "1234567");
    // A letter needs CTRL or ALT; an F-key may stand alone.
    EXPECT_TRUE(!shortcutAllowed(0, 'A') && !shortcutAllowed(kModShift, 'Z') &&
                shortcutAllowed(kModControl, 'K') && shortcutAllowed(kModAlt, 'K') &&
                shortcutAllowed(0, 0x70) && shortcutAllowed(0, 0x7B));
}

// CTRL is read first, then ALT, then SHIFT, each only when the ones before passed, and
// the key last; extra modifiers held and unknown flag bits do not matter.
TEST(HeldTest, ModifierFlagsAndTheKeysRead)
{
    constexpr int A = kVkMenu, C = kVkControl, S = kVkShift;
    // clang-format off
    struct { int flags; std::set<int> down; bool held; std::vector<int> read; } cases[] = {
        {0, {kF9}, true, {kF9}},          {1, {kF9}, false, {A}},
        {1, {C, A, S, kF9}, true, {A, kF9}}, {2, {A, kF9}, false, {C}},
        {3, {C, A}, false, {C, A, kF9}},  {4, {S, A, kF9}, true, {S, kF9}},
        {5, {A, kF9}, false, {A, S}},     {6, {S, kF9}, false, {C}},
        {7, {C, A, S, kF9}, true, {C, A, S, kF9}}, {8, {kF9}, true, {kF9}},
    };
    // clang-format on
    for (const auto& c : cases) {
        keysDown = c.down, keysRead.clear();
        EXPECT_EQ(shortcutHeld(fakeKeyState, c.flags, kF9), c.held) << "flags " << c.flags;
        EXPECT_EQ(keysRead, c.read) << "flags " << c.flags;
    }
}

// Events in order, a negative code for a release: the press latches only with the
// shortcut's modifiers down by their own events, either side, extra ones allowed. Those the
// key state (the keys down at the events, then at the tick `after` ms later) shows up count
// once their release arrives; else the tick 100 ms on refuses the press and forgets them.
TEST(KeyEvents, PressLatchesWithTheModifiersItsEventsShowedDown)
{
    constexpr int A = kVkMenu, C = kVkControl, LA = 0xA4, RA = 0xA5, RC = 0xA3, S = kVkShift, LS = 0xA0;
    // clang-format off
    struct { int flags, pressed, modifiers; std::vector<int> events; std::set<int> atEvents = {}, atTick = {};
             int after = 100, waits = 0; } cases[] = {
        {1, 1, 0, {A, kF9, -kF9, -A}}, {1, 0, 0, {kF9, A, -A}}, {1, 1, 1, {RA, kF9}, {A}}, {1, 0, 0, {LA, -LA, kF9}},
        {4, 1, 5, {LS, A, kF9}, {S}}, {3, 0, 5, {S, A, kF9}}, {2, 1, 2, {RC, kF9}, {C}}, {1, 0, 1, {A, -kF9, 0x79}},
        {8, 1, 0, {kF9}}, {0, 1, 0, {0x13, 0xA6, kF9, 0x9F}}, {1, 0, 0, {A, kF9}}, {1, 0, 1, {A, kF9}, {}, {}, 99, 1},
        {1, 1, 1, {A, kF9}, {}, {A}, 50}, {3, 0, 1, {C, A, kF9}, {A}, {A}},
    };
    // clang-format on
    for (const auto& c : cases) {
        KeyEvents events = {};
        keysDown = c.atEvents;
        for (int e : c.events)
            noteKeyEvent(events, fakeKeyState, e < 0 ? -e : e, e < 0, c.flags, kF9, 0xFFFFFFF0u);
        keysDown = c.atTick;
        const bool pressed = takeSpotlightPress(events, fakeKeyState, 0xFFFFFFF0u + c.after);
        EXPECT_TRUE(pressed == c.pressed && events.modifiersDown == c.modifiers &&
                    events.spotlightPressed == c.waits)
            << &c - cases;
    }
}

// Even with the longest combinations a start notice keeps every sentence (one that does
// not fit is left out, and the notice then ends in a space) and spells the names in full.
TEST(TrayText, StartNoticesFitTheBalloonWithTheLongestCombinations)
{
    const std::string longest = "CTRL+ALT+SHIFT+F12";
    char text[kBalloonTextSize];
    for (int taken = 0; taken < 4; ++taken) {
        EXPECT_TRUE(
            startNoticeText({7, 0x7B, 7, 0x7B, false}, true, taken & 1, taken & 2, text, sizeof text));
        const std::string notice = text, named = taken == 3 ? longest + " and " + longest : longest + ";";
        EXPECT_TRUE(notice.find(". Press " + longest) != std::string::npos && notice.back() == '.' &&
                    (taken == 0 || notice.find(named) != std::string::npos))
            << notice;
    }
    // A letter alone was not claimed: nothing holds it, it does nothing, and the notice says so.
    startNoticeText({0, 'K', kModAlt, 0x79, true}, false, true, false, text, sizeof text);
    EXPECT_STREQ(
        text,
        "K alone does nothing: a letter needs CTRL or ALT. Change it in Options: double-click the icon.");
    startNoticeText({kModAlt, 0x78, 0, 'S', true}, false, true, true, text, sizeof text);
    EXPECT_STREQ(text,
                 "Another program uses ALT+F9; Orbiqa still reacts to it. S alone does nothing: a letter "
                 "needs CTRL or ALT. Change them in Options: double-click the icon.");
    // Once set, the pointer's shortcut is named last: in the tip, which it still fits, and in the lists.
    trayTipText({7, 0x7B, 7, 0x7B, false, 7, 0x7B}, text, kTrayTipSize);
    EXPECT_STREQ(text, "Orbiqa: press CTRL+ALT+SHIFT+F12 for the spotlight, CTRL+ALT+SHIFT+F12 to highlight, "
                       "CTRL+ALT+SHIFT+F12 for the pointer");
    startNoticeText({0, 'S', 0, 'K', true, 0, 'P'}, false, false, true, text, sizeof text, true);
    EXPECT_STREQ(text, "S, K and P alone do nothing: a letter needs CTRL or ALT. Change them in Options: "
                       "double-click the icon.");
}
