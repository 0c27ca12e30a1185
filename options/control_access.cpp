#include "options/control_access.h"

#include "settings/option_table.h"

HWND mainPage;
HWND miscPage;

int16_t checkState(HWND page, int controlId)
{
    return int16_t(SendDlgItemMessageA(page, controlId, BM_GETCHECK, 0, 0));
}

void setCheckState(HWND page, int controlId, int16_t entry)
{
    SendDlgItemMessageA(page, controlId, BM_SETCHECK, isOn(entry) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void selectedItemText(HWND list, char* buffer, size_t size)
{
    if (size == 0)
        return;
    buffer[0] = '\0';
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    // CB_GETLBTEXT writes the whole text whatever the buffer: measure it first.
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR || size_t(length) >= size)
        return;
    if (SendMessageA(list, CB_GETLBTEXT, WPARAM(index), LPARAM(buffer)) == CB_ERR)
        buffer[0] = '\0';
}
