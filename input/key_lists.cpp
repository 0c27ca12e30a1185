#include "input/key_lists.h"

void fillKeyCombo(HWND) {}
int findCombo(HWND, const char*)
{
    return -1;
}
