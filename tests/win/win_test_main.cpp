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

LONG WINAPI openKeyAsUser(HKEY root, LPCWSTR key, DWORD options, REGSAM access, PHKEY opened)
{
    if (root == HKEY_LOCAL_MACHINE && (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)))
        return ERROR_ACCESS_DENIED;
    return RegOpenKeyExW(root, key, options, access, opened);
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
