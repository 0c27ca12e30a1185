#include "options/options_window.h"

HWND optionsWindow;
HWND mainPage;
HWND miscPage;
HWND tabControl;
unsigned char isOptsVisible;

void createOptionsWindow() {}
void showOptions() {}
INT_PTR CALLBACK optionsDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}
