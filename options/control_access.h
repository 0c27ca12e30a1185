// The options window's pages and the reading and writing of single controls on them, shared
// by the window and the binding of its controls to the settings table.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

// The options window's two pages, "Main" and "Misc", made with the window.
extern HWND mainPage;
extern HWND miscPage;

// The check state of a button (BM_GETCHECK) as the settings table stores it: 0 or 1.
// A control that does not exist reads 0.
int16_t checkState(HWND page, int controlId);

// Checks the button only for an entry that counts as on (exactly 1). Handing the raw
// entry to BM_SETCHECK would show 9999 or -1 as checked, which the program treats as
// off, and the next OK would silently turn the setting on.
void setCheckState(HWND page, int controlId, int16_t entry);

// The text of the list's selected item in buffer, which is cleared first. It stays
// empty when nothing is selected or the text does not fit.
void selectedItemText(HWND list, char* buffer, size_t size);
