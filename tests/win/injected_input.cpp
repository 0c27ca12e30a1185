#include "injected_input.h"

#include <gtest/gtest.h>

static constexpr DWORD kGiveUpMs = 3000;
static constexpr DWORD kResendMs = 100;
static constexpr DWORD kCursorSettleMs = 150;

void settleWindows()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
            DispatchMessageA(&message);
}

static bool keyIsDown(WORD virtualKey)
{
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

// Under Wine two things can hide an injected key: a per-thread cache answers "up" for up
// to 50 ms after the last read, and when one of our windows takes the X focus, Wine
// copies the X keyboard (where nothing is pressed) over the injected state. So the
// change is sent again until it shows.
void setKey(WORD virtualKey, bool down)
{
    const DWORD start = GetTickCount();
    do {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof input);
        for (DWORD sent = GetTickCount(); GetTickCount() - sent < kResendMs; Sleep(5))
            if (keyIsDown(virtualKey) == down)
                return;
    } while (GetTickCount() - start < kGiveUpMs);
    ADD_FAILURE() << "key " << virtualKey << (down ? " never went down" : " never came up");
}

// Wine answers GetCursorPos from its own record for 100 ms after a move and then asks
// the X server, which may not have taken the move (a warp can be refused); the cursor
// then jumps back. So the move counts only once the position has held past that time.
void moveCursor(int x, int y)
{
    const DWORD start = GetTickCount();
    do {
        SetCursorPos(x, y);
        bool held = true;
        for (DWORD sent = GetTickCount(); held && GetTickCount() - sent < kCursorSettleMs; Sleep(5)) {
            settleWindows();
            POINT cursor = {};
            GetCursorPos(&cursor);
            held = cursor.x == x && cursor.y == y;
        }
        if (held)
            return;
    } while (GetTickCount() - start < kGiveUpMs);
    ADD_FAILURE() << "the cursor never stayed at " << x << "," << y;
}
