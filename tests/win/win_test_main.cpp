#include "win_test_support.h"

#include "app/app.h"

#include <gtest/gtest.h>

int messagesShown;

void ensureShellWindows()
{
    if (overlayWindow)
        return;
    createShellWindows(SW_HIDE);
    initCommonControls();
}

static int WINAPI answerMessageBox(HWND, LPCSTR, LPCSTR, UINT)
{
    ++messagesShown;
    return IDOK;
}

int main(int argc, char** argv)
{
    messageBoxFunction = answerMessageBox;
    appInstance = GetModuleHandleA(nullptr);
    CreateDirectoryW(kForeignFolder, nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
