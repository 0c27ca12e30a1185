// What keeps the way in through the tray and the start itself safe when the world is not
// as expected.
#include "win_test_support.h"

#include "app/app.h"
#include "options/control_binding.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "settings/startup_entry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring runValueIn(HKEY root)
{
    wchar_t command[MAX_PATH] = L"";
    DWORD size = sizeof command;
    RegGetValueW(root, kRunKey, L"Orbiqa", RRF_RT_REG_SZ, nullptr, command, &size);
    return command;
}

} // namespace

// Writable, the machine-wide key holds the value; refused (pointed at an empty key, where
// the Run key cannot be opened), the user's key does. Never both, and off clears both. The
// value names the program in its folder, whatever the folder's language.
TEST(StartSafety, TheRunValueGoesWhereTheUserMayWriteIt)
{
    // The program learns its folder from its module's file name.
    const std::wstring exe = std::wstring(kForeignFolder) + L"\\Orbiqa.exe", command = L"\"" + exe + L"\"";
    CopyFileW((std::wstring(kDistDir) + L"\\Orbiqa.exe").c_str(), exe.c_str(), FALSE);
    appInstance = LoadLibraryExW(exe.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    initPaths();
    FreeLibrary(appInstance);
    appInstance = GetModuleHandleW(nullptr);
    HKEY noMachineRun, scratchUser;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\OrbiqaTest\\Machine", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &noMachineRun, nullptr);
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\OrbiqaTest\\User", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &scratchUser, nullptr);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratchUser), ERROR_SUCCESS);
    for (bool machineWritable : {true, false}) {
        if (!machineWritable)
            RegOverridePredefKey(HKEY_LOCAL_MACHINE, noMachineRun);
        optionValues[runAtStartup] = 1;
        updateStartupEntry();
        EXPECT_EQ(runValueIn(HKEY_LOCAL_MACHINE), machineWritable ? command : L"");
        EXPECT_EQ(runValueIn(HKEY_CURRENT_USER), machineWritable ? L"" : command);
        optionValues[runAtStartup] = 2;
        updateStartupEntry();
        EXPECT_EQ(runValueIn(HKEY_LOCAL_MACHINE) + runValueIn(HKEY_CURRENT_USER), L"");
    }
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(noMachineRun);
    RegCloseKey(scratchUser);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrbiqaTest");
}

// A running copy is known by its named object alone: a window that merely bears the
// options window's title no longer blocks the start, which then goes on until the first
// thing it cannot create, and says so.
TEST(StartSafety, OneCopyPerSessionAndAFailedStartSaysWhatFailed)
{
    ensureShellWindows(); // the class exists, so registering it again fails
    HWND lookalike =
        CreateWindowA("STATIC", "Orbiqa Options", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND overlayBefore = overlayWindow;

    HANDLE running = CreateMutexA(nullptr, FALSE, "Local\\Orbiqa.SingleInstance");
    messagesShown = 0;
    EXPECT_FALSE(startOrbiqa(GetModuleHandleA(nullptr), SW_HIDE));
    EXPECT_TRUE(messagesShown == 1 && !singleInstanceMutex) << "refused as a second copy";
    CloseHandle(running);

    messagesShown = 0;
    EXPECT_FALSE(startOrbiqa(GetModuleHandleA(nullptr), SW_HIDE));
    EXPECT_TRUE(messagesShown == 1 && singleInstanceMutex)
        << "passed as the only copy, then stopped and said so";
    EXPECT_EQ(overlayWindow, overlayBefore);
    CloseHandle(singleInstanceMutex);
    DestroyWindow(lookalike);
}

// The system loads helpers such as this one by name, later, on the program's behalf; a
// copy planted beside the program must not be the one it gets.
TEST(StartSafety, DllsPlantedBesideTheProgramAreNotLoaded)
{
    char exe[MAX_PATH], system[MAX_PATH], loaded[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string planted = std::string(exe, strrchr(exe, '\\') + 1) + "dwmapi.dll";
    GetSystemDirectoryA(system, sizeof system);
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\dwmapi.dll").c_str(), planted.c_str(), FALSE));
    restrictDllSearch();
    GetModuleFileNameA(LoadLibraryA("dwmapi.dll"), loaded, sizeof loaded);
    DeleteFileA(planted.c_str());
    EXPECT_EQ(_strnicmp(loaded, system, strlen(system)), 0) << loaded;
}
