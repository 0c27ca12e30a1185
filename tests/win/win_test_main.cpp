#include "win_test_support.h"

#include "app/app.h"
#include "app/tray.h"

#include <gtest/gtest.h>

int messagesShown;
std::vector<std::string> tipsShown, noticesShown;
bool shellRefusesAdd;

static BOOL WINAPI recordShellCall(DWORD message, PNOTIFYICONDATAA record)
{
    if ((message == NIM_ADD && shellRefusesAdd) || !Shell_NotifyIconA(message, record))
        return FALSE;
    if (record->uFlags & NIF_TIP)
        tipsShown.push_back(record->szTip);
    if (record->uFlags & NIF_INFO)
        noticesShown.push_back(std::string(record->szInfoTitle) + ": " + record->szInfo);
    return TRUE;
}

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
    notifyIconFunction = recordShellCall;
    appInstance = GetModuleHandleA(nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
