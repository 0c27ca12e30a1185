// The dynamic highlight: sweep a rectangle with the shortcut held, click to dismiss. The
// tick (input/tick_decision.h) decides; these carry it out.
#pragma once
#include "input/highlight_rect.h"

#include <windows.h>

extern unsigned char highPrev;
extern unsigned char highlightActive;
extern ScreenPoint dragAnchor; // relative to the virtual screen's corner, like dragCurrent
extern ScreenPoint dragCurrent;

void placeOutline(HighlightRect rect);
// sweepStart: where the sweep began, relative to the virtual screen's corner.
void showHighlight(HighlightRect rect, int surfaceRow, ScreenPoint sweepStart);
void endHighlightOnClick();
void abandonSweep();
