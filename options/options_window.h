// The options window: a dialog with the pages "Main" and "Misc" and a live preview.
#pragma once
#include "options/control_access.h"

#include <windows.h>

extern HWND optionsWindow;
extern HWND tabControl;
extern unsigned char isOptsVisible;
extern HFONT labelFont; // the Opacity caption's, made with the shell windows
extern int optionsWidth;

// The Opacity caption's font for a scale of dpi dots per inch.
HFONT makeLabelFont(int dpi);

// Creates the window and both pages, hidden, with the page of optionsPage selected.
void createOptionsWindow();
// optionsWidth from the window's rectangle, which centres it.
void measureOptionsWidth();
// Shows the window at the top of the dimmed screen with the preview spotlight, in the
// foreground with the focus on the shown page's first control.
void showOptions();
// Shows the next page (the one before with backwards), focus on its first control.
void turnOptionsPage(bool backwards);
// Called after an OK has claimed the shortcuts and saved the settings, so that what shows
// them elsewhere (the tray icon's tip) follows; null when nothing does.
using OptionsAppliedFunction = void (*)();
extern OptionsAppliedFunction optionsAppliedFunction;
// Serves the window and both pages; answers FALSE to every message.
INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
