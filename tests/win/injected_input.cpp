#include "injected_input.h"

#include <gtest/gtest.h>

static constexpr DWORD kGiveUpMs = 3000;
static constexpr DWORD kCursorSettleMs = 150;

void settleWindows()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
            DispatchMessageA(&message);
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
