#include "app/app.h"
#include "settings/settings_file.h"
#include "settings/startup_entry.h"

#include <cstring>

// The windows of Orbiqa's class in a process started from this same file: a copy from
// another folder (a portable one) keeps running through an install or an uninstall here.
static bool runsThisFile(HWND window, HANDLE& process)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId);
    if (!process)
        return false;
    wchar_t own[kPathBufferSize];
    wchar_t other[kPathBufferSize];
    DWORD ownSize = kPathBufferSize;
    DWORD otherSize = kPathBufferSize;
    return QueryFullProcessImageNameW(GetCurrentProcess(), 0, own, &ownSize) &&
           QueryFullProcessImageNameW(process, 0, other, &otherSize) &&
           CompareStringOrdinal(own, -1, other, -1, TRUE) == CSTR_EQUAL;
}

// Asks as Windows' Restart Manager asks. The installer waits for this process, so the
// wait is bounded: a copy that does not end costs a file in use, not a hung install.
static void endRunningCopy()
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, kWindowClassName, nullptr)) != nullptr) {
        HANDLE process = nullptr;
        if (runsThisFile(window, process)) {
            DWORD_PTR answer;
            SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 5000,
                                &answer);
            SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 5000,
                                &answer);
            WaitForSingleObject(process, 10000);
            CloseHandle(process);
            return;
        }
        if (process)
            CloseHandle(process);
    }
}

bool carryOutInstallerRequest(const char* commandLine)
{
    if (strcmp(commandLine, "/installer-exit") == 0) {
        endRunningCopy();
        return true;
    }
    if (strcmp(commandLine, "/installer-uninstall") == 0) {
        findProgramDir();
        removeStartupEntriesOfThisCopy();
        return true;
    }
    return false;
}
