#include "win_test_support.h"

#include "app/app.h"
#include "app/tray.h"
#include "input/spotlight_timer.h"

int messagesShown;
std::string lastMessage;
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
    createShellWindows();
    ShowWindow(overlayWindow, SW_HIDE);
    initCommonControls();
}

LONG WINAPI openKeyAsUser(HKEY root, LPCWSTR key, DWORD options, REGSAM access, PHKEY opened)
{
    if (root == HKEY_LOCAL_MACHINE && (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)))
        return ERROR_ACCESS_DENIED;
    return RegOpenKeyExW(root, key, options, access, opened);
}

void sendKeys(const std::vector<WORD>& keys, DWORD flags)
{
    std::vector<INPUT> inputs(keys.size(), INPUT{INPUT_KEYBOARD, {}});
    for (size_t i = 0; i < keys.size(); ++i)
        inputs[i].ki = {keys[i], 0, flags, 0, 0};
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

void tickWithHighlightKeys(bool held, int x, int y)
{
    sendKeys({VK_MENU, VK_F10}, held ? 0 : KEYEVENTF_KEYUP);
    SetCursorPos(x, y);
    spotlightTick();
}

static int WINAPI answerMessageBox(HWND, LPCSTR text, LPCSTR, UINT)
{
    lastMessage = text;
    ++messagesShown;
    return IDOK;
}

int main(int argc, char** argv)
{
    messageBoxFunction = answerMessageBox;
    notifyIconFunction = recordShellCall;
    appInstance = GetModuleHandleA(nullptr);
    CreateDirectoryW(kForeignFolder, nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
