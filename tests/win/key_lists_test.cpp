#include "input/key_lists.h"
#include "input/shortcut_keys.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// A drop-down list with the sort style, like the two on the Misc page.
class KeyList : public testing::Test {
  protected:
    HWND list = nullptr;
    void SetUp() override
    {
        list = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL, 0, 0, 100,
                               200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override { DestroyWindow(list); }
    LRESULT selection() const { return SendMessageA(list, CB_GETCURSEL, 0, 0); }
};

} // namespace

TEST_F(KeyList, FilledInTableOrderWithoutSelection)
{
    fillKeyCombo(list);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), kKeyNameCount);
    for (int i = 0; i < kKeyNameCount; ++i) {
        char text[8] = {};
        ASSERT_LT(SendMessageA(list, CB_GETLBTEXTLEN, WPARAM(i), 0), LRESULT(sizeof text));
        SendMessageA(list, CB_GETLBTEXT, WPARAM(i), LPARAM(text));
        EXPECT_STREQ(text, keyNames[i]) << i; // "F2" second, not "F10": the sort style does not apply
    }
    EXPECT_EQ(selection(), CB_ERR);
}

// Only an exact, case-sensitive match selects; anything else keeps the selection. Items too
// long for the 300-byte read buffer are passed over unread.
TEST_F(KeyList, FindSelectsAnExactMatchOnly)
{
    EXPECT_EQ(findCombo(list, "F1"), -1); // an empty list
    const std::string fits(299, 'F'), tooLong(300, 'F');
    SendMessageA(list, CB_INSERTSTRING, WPARAM(-1), LPARAM(std::string(5000, 'F').c_str()));
    SendMessageA(list, CB_INSERTSTRING, WPARAM(-1), LPARAM(tooLong.c_str()));
    SendMessageA(list, CB_INSERTSTRING, WPARAM(-1), LPARAM(fits.c_str()));
    fillKeyCombo(list);
    for (int i = 0; i < kKeyNameCount; ++i) {
        EXPECT_EQ(findCombo(list, keyNames[i]), 0) << keyNames[i];
        EXPECT_EQ(selection(), i + 3) << keyNames[i];
    }
    EXPECT_EQ(findCombo(list, fits.c_str()), 0);
    EXPECT_EQ(selection(), 2);
    for (const char* text : {"f1", "", "F13", "F9 ", tooLong.c_str()}) {
        EXPECT_EQ(findCombo(list, text), -1) << '"' << text << '"';
        EXPECT_EQ(selection(), 2);
    }
}
