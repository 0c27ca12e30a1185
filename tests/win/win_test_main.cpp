#include "win_test_support.h"

#include "app/app.h"

#include <gtest/gtest.h>

std::vector<RecordedMessage> recordedMessages;

std::string distDir()
{
    return ORBIQA_DIST_DIR;
}

void ensureShellWindows()
{
    static bool created = false;
    if (created)
        return;
    created = true;
    createShellWindows(SW_HIDE);
}

static int WINAPI recordMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    recordedMessages.push_back({text ? text : "", caption ? caption : ""});
    return IDOK;
}

int main(int argc, char** argv)
{
    messageBoxFunction = recordMessageBox;
    appInstance = GetModuleHandleA(nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
