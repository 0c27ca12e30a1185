#include "settings/platform.h"

HINSTANCE appInstance;
MessageBoxFunction messageBoxFunction = MessageBoxA;

void showMessage(const char* text, const char* caption)
{
    // Above every top-most window, the dim layer and the options window among them, and in
    // front: else the box sits dimmed under the overlay, which takes the click meant for OK.
    // Without an owner MB_SYSTEMMODAL disables nothing; it makes the box top-most like
    // MB_TOPMOST, and Wine honours only it.
    messageBoxFunction(nullptr, text, caption, MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_SYSTEMMODAL);
}

void trace(const char* /*label*/) {}
