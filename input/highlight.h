// The dynamic highlight: sweep a rectangle with the shortcut held, click to dismiss.
#pragma once
#include <windows.h>

extern unsigned char highPrev;
extern unsigned char highlightActive;
extern POINT dragAnchor;
extern POINT dragCurrent;

void highlightSweepStep();
void endHighlightOnClick();
