#include "input/highlight.h"

unsigned char highPrev;
unsigned char highlightActive;
POINT dragAnchor;
POINT dragCurrent;

void highlightSweepStep() {}
void endHighlightOnClick() {}
