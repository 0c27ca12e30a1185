#include "settings/platform.h"

HINSTANCE appInstance;
MessageBoxFunction messageBoxFunction = MessageBoxA;

void showMessage(const char* text, const char* caption)
{
    messageBoxFunction(nullptr, text, caption, MB_OK);
}

void trace(const char* /*label*/) {}
