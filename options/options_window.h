// The options window: a dialog with the pages "Main" and "Misc" and a live preview.
#pragma once
#include <windows.h>

extern HWND optionsWindow;
extern HWND mainPage;
extern HWND miscPage;
extern HWND tabControl;
extern unsigned char isOptsVisible;

void createOptionsWindow();
void showOptions();
INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
