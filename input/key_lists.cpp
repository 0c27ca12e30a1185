#include "input/key_lists.h"

#include "input/shortcut_keys.h"
#include "settings/platform.h"

#include <cstring>

// CB_GETLBTEXT writes the whole item with no size limit, so items are read into a buffer
// of this size only after their length says they fit.
static constexpr int kItemTextSize = 300;
// A list is never searched past this many items.
static constexpr int kMaxSearchedItems = 99999;

void fillKeyCombo(HWND list)
{
    // Inserting by position keeps the table's order even in a list with the sort style.
    for (const char* name : keyNames)
        SendMessageA(list, CB_INSERTSTRING, WPARAM(-1), LPARAM(name));
}

void fillOptionalKeyCombo(HWND list)
{
    SendMessageA(list, CB_INSERTSTRING, WPARAM(-1), LPARAM(kNoShortcutItem));
    fillKeyCombo(list);
}

int findCombo(HWND list, const char* text)
{
    for (int i = 0; i < kMaxSearchedItems; ++i) {
        LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, WPARAM(i), 0);
        if (length == CB_ERR)
            return -1;
        // An item too long for the buffer cannot equal a key name: it simply does not match.
        if (length < 0 || length >= kItemTextSize)
            continue;
        char item[kItemTextSize] = {};
        if (SendMessageA(list, CB_GETLBTEXT, WPARAM(i), LPARAM(item)) == CB_ERR)
            return -1;
        if (strcmp(item, text) == 0) {
            trace("findCombo");
            SendMessageA(list, CB_SETCURSEL, WPARAM(i), 0);
            return 0;
        }
    }
    return -1;
}
