// The dynamic highlight: sweep a rectangle with the shortcut held, click to dismiss. The
// tick (input/tick_decision.h) decides; these carry it out.
#pragma once
#include "input/highlight_rect.h"

#include <windows.h>

extern unsigned char highPrev;
extern unsigned char highlightActive;
extern ScreenPoint dragAnchor;
extern ScreenPoint dragCurrent;

void placeOutline(HighlightRect rect);
void showHighlight(HighlightRect rect, int surfaceRow);
void endHighlightOnClick();
void abandonSweep();
