#include "app/app.h"
#include "app/tray.h"
#include "input/highlight.h"
#include "input/spotlight_timer.h"

// One procedure serves both layered windows.
LRESULT CALLBACK spotWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // clang-format off
    switch (message) {
    case WM_DESTROY:           PostQuitMessage(0);      return 0;
    case WM_TIMER:             spotlightTick();         return 0;
    case WM_LBUTTONDOWN:       endHighlightOnClick();   return 0;
    case WM_HOTKEY:                                     return 0; // claimed only; keys are polled
    case kTrayCallbackMessage: onTrayCallback(lParam);  return 0;
    }
    // clang-format on
    return DefWindowProcA(window, message, wParam, lParam);
}
