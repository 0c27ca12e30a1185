#include "win_test_support.h"

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

    std::string itemText(int index) const
    {
        char text[64] = {};
        if (SendMessageA(list, CB_GETLBTEXTLEN, WPARAM(index), 0) >= LRESULT(sizeof text))
            return "(too long)";
        SendMessageA(list, CB_GETLBTEXT, WPARAM(index), LPARAM(text));
        return text;
    }
    LRESULT selection() const { return SendMessageA(list, CB_GETCURSEL, 0, 0); }
    void add(const std::string& text)
    {
        SendMessageA(list, CB_INSERTSTRING, WPARAM(-1), LPARAM(text.c_str()));
    }
};

} // namespace

TEST_F(KeyList, FilledInTableOrderWithoutSelection)
{
    fillKeyCombo(list);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), kKeyNameCount);
    for (int i = 0; i < kKeyNameCount; ++i)
        EXPECT_EQ(itemText(i), keyNames[i]) << i;
    EXPECT_EQ(itemText(1), "F2"); // not "F10": the sort style does not apply
    EXPECT_EQ(itemText(12), "A");
    EXPECT_EQ(selection(), CB_ERR);
}

TEST_F(KeyList, FindSelectsTheItemOfEachKeyCode)
{
    fillKeyCombo(list);
    for (int i = 0; i < kKeyNameCount; ++i) {
        char name[10] = {};
        nameFromKey(keyFromName(keyNames[i]), name, sizeof name);
        EXPECT_EQ(findCombo(list, name), 0) << name;
        EXPECT_EQ(selection(), i) << name;
    }
}

TEST_F(KeyList, NoMatchKeepsThePreviousSelection)
{
    EXPECT_EQ(findCombo(list, "F1"), -1); // an empty list
    fillKeyCombo(list);
    EXPECT_EQ(findCombo(list, "f1"), -1);
    EXPECT_EQ(selection(), CB_ERR);

    ASSERT_EQ(findCombo(list, "F9"), 0);
    for (const char* text : {"f1", "", "F13", "F9 ", "AB"}) {
        EXPECT_EQ(findCombo(list, text), -1) << '"' << text << '"';
        EXPECT_EQ(selection(), 8) << '"' << text << '"';
    }
}

// Items are read into a 300-byte buffer: one that would not fit is passed over unread.
TEST_F(KeyList, ItemsTooLongForTheBufferNeverMatch)
{
    const std::string fits(299, 'F'), tooLong(300, 'F'), farTooLong(5000, 'F');
    add(farTooLong);
    add(tooLong);
    add(fits);
    add("F1");

    EXPECT_EQ(findCombo(list, "F1"), 0);
    EXPECT_EQ(selection(), 3);
    EXPECT_EQ(findCombo(list, fits.c_str()), 0);
    EXPECT_EQ(selection(), 2);
    EXPECT_EQ(findCombo(list, tooLong.c_str()), -1);
    EXPECT_EQ(findCombo(list, farTooLong.c_str()), -1);
    EXPECT_EQ(selection(), 2);
}
