// Stands in for the user's application in end-to-end tests: a plain white window that
// covers the screen, takes the keyboard focus (Wine sees X key events only while one of
// its windows has it) and appends every click that reaches it to a log file.
#include <windows.h>

#include <cstdio>

static const char* clickLogPath;

static LRESULT CALLBACK sinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        if (FILE* log = clickLogPath ? fopen(clickLogPath, "a") : nullptr) {
            POINT point = {short(LOWORD(lParam)), short(HIWORD(lParam))};
            ClientToScreen(window, &point);
            fprintf(log, "click %ld %ld\n", point.x, point.y);
            fclose(log);
        }
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    clickLogPath = commandLine && commandLine[0] ? commandLine : nullptr;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = sinkProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "OrbiqaFocusSink";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "OrbiqaFocusSink", "Orbiqa focus sink", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                  nullptr, instance, nullptr);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
