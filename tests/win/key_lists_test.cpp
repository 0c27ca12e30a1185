#include "input/key_lists.h"
#include "input/shortcut_keys.h"

#include <gtest/gtest.h>
#include <windows.h>

// The lists on the Misc page have the sort style, yet fill in the table's order ("F2"
// second, not "F10") with nothing selected. Only an exact, case-sensitive match selects;
// anything else keeps the selection, and an item too long for the 300-byte read buffer
// is passed over unread.
TEST(KeyList, FillsInTableOrderAndSelectsExactMatchesOnly)
{
    HWND list = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN | CBS_SORT, 0, 0, 100, 200,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const std::string tooLong(300, 'F');
    SendMessageA(list, CB_INSERTSTRING, WPARAM(-1), LPARAM(tooLong.c_str()));
    fillKeyCombo(list);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 1 + kKeyNameCount);
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
    for (int i = 0; i < kKeyNameCount; ++i)
        EXPECT_TRUE(findCombo(list, keyNames[i]) == 0 && SendMessageA(list, CB_GETCURSEL, 0, 0) == 1 + i)
            << keyNames[i];
    for (const char* text : {"z", "", "F13", "Z ", tooLong.c_str()})
        EXPECT_TRUE(findCombo(list, text) == -1 && SendMessageA(list, CB_GETCURSEL, 0, 0) == kKeyNameCount)
            << '"' << text << '"';
    DestroyWindow(list);
}
