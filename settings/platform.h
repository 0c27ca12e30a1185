// The two facts of the running program that every folder may need: its instance, and
// the one way it tells the user something.
#pragma once
#include <windows.h>

extern HINSTANCE appInstance;

// Message boxes go through one place so that tests can answer them instead of a user.
using MessageBoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
extern MessageBoxFunction messageBoxFunction;
// No owner window and an OK button only; the box comes in front of every window.
void showMessage(const char* text, const char* caption);

// A diagnostic hook: the program marks a few moments with a short label. It does nothing
// in a release; a debugger breakpoint on it shows the moment.
void trace(const char* label);

// A system function that older versions of Windows lack, looked up at run time so that the
// program still starts there: null where it is missing.
template <typename Function> Function systemFunction(const char* module, const char* name)
{
    HMODULE handle = GetModuleHandleA(module);
    if (!handle)
        handle = LoadLibraryA(module);
    return handle ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)))
                  : nullptr;
}
