// The yardstick for Orbiqa's idle cost: a bare program that does nothing but run a
// 10 ms timer in a message loop, as Orbiqa did for its whole life.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    SetTimer(nullptr, 0, 10, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
