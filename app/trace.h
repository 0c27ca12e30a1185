// A diagnostic hook: the program marks a few moments with a short label. It does
// nothing in a release; a debugger breakpoint on it shows the moment.
#pragma once

void trace(const char* label);
