// The dynamic highlight on screen: the outline while sweeping, the lit rectangle after the
// release. The tick decides (input/tick_decision.h) and keeps the sweep's state; these
// carry out what it decided.
#pragma once
#include "input/highlight_rect.h"

void placeOutline(HighlightRect rect);
void hideOutline();
// sweepStart: where the sweep began, relative to the virtual screen's corner.
void showHighlight(HighlightRect rect, int surfaceRow, ScreenPoint sweepStart);
// The surface dimmed again and the overlay hidden.
void clearHighlight();
