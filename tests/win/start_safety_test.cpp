// What keeps the start, the settings file and the way in through the tray safe when the
// world is not as expected.
#include "win_test_support.h"

#include "app/app.h"
#include "options/control_binding.h"
#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "settings/startup_entry.h"

#include <string>

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

static std::wstring runValueIn(HKEY root)
{
    wchar_t command[MAX_PATH] = L"";
    DWORD size = sizeof command;
    RegGetValueW(root, kRunKey, L"Orbiqa", RRF_RT_REG_SZ, nullptr, command, &size);
    return command;
}

// The Run value names the program in its folder, whatever the folder's language. As
// administrator the machine-wide key holds it, as a user the user's own key, and never
// both: once the machine-wide value starts this program, a user's start writes nothing
// of its own. Off as a user leaves the machine-wide value, and says that it does.
TEST(StartSafety, TheRunValueGoesWhereTheUserMayWriteItNeverTwice)
{
    // The program learns its folder from its module's file name.
    const std::wstring exe = std::wstring(kForeignFolder) + L"\\Orbiqa.exe", command = L"\"" + exe + L"\"";
    CopyFileW((std::wstring(kDistDir) + L"\\Orbiqa.exe").c_str(), exe.c_str(), FALSE);
    appInstance = LoadLibraryExW(exe.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    initPaths();
    FreeLibrary(appInstance);
    appInstance = GetModuleHandleW(nullptr);
    using R = StartupEntryResult;
    // machineBefore empty: as the step before left it. The third step, as administrator, takes the
    // user's value away.
    // clang-format off
    struct { bool admin; int16_t on; std::wstring machineBefore, machine, user; R result; } steps[] = {
        {true, 2, L"", L"", L"", R::done}, {false, 1, L"", L"", command, R::done},
        {true, 1, L"", command, L"", R::done}, {false, 1, L"", command, L"", R::done},
        {false, 1, L"\"c" + command.substr(2), L"\"c" + command.substr(2), L"", R::done}, // "C:" as "c:"
        {false, 2, L"", L"\"c" + command.substr(2), L"", R::machineValueKept},
        {false, 1, L"C:\\Old\\Orbiqa.exe", L"C:\\Old\\Orbiqa.exe", command, R::done},
        {true, 2, L"", L"", L"", R::done},
    };
    // clang-format on
    for (const auto& step : steps) {
        if (!step.machineBefore.empty())
            RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Orbiqa", REG_SZ, step.machineBefore.c_str(),
                            DWORD((step.machineBefore.size() + 1) * sizeof(wchar_t)));
        registryOpenFunction = step.admin ? RegOpenKeyExW : openKeyAsUser;
        optionValues[runAtStartup] = step.on;
        EXPECT_EQ(updateStartupEntry(), step.result) << &step - steps;
        EXPECT_EQ(runValueIn(HKEY_LOCAL_MACHINE), step.machine) << &step - steps;
        EXPECT_EQ(runValueIn(HKEY_CURRENT_USER), step.user) << &step - steps;
    }
    registryOpenFunction = RegOpenKeyExW;
}

// In an application-data folder named in any language, a first run creates the folder
// and writes the defaults. A later start leaves the file alone, even one held by another
// program without sharing: that is read as nothing (the user is told), kept byte for
// byte, and the program runs on its defaults. A save replaces the file whole; a read-only
// file, or a folder in the way of the new file, keeps the old file and says so, and a
// file gone missing is reported and read as nothing.
TEST(SettingsFile, IsWrittenOnceThenReplacedWholeOrKeptAndSaysSo)
{
    HKEY scratchUser;
    RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\OrbiqaTest", &scratchUser);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratchUser), ERROR_SUCCESS);
    RegSetKeyValueW(HKEY_CURRENT_USER,
                    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", L"AppData",
                    REG_SZ, kForeignFolder, sizeof kForeignFolder);
    const auto removeFile = [] { DeleteFileW(fileOptions), RemoveDirectoryW(settingsDir); };
    setDefaults();
    initPaths();
    EXPECT_EQ(std::wstring(fileOptions), kForeignFolder + std::wstring(L"\\Orbiqa\\Settings.dat"));
    removeFile(); // a first run: the defaults, and no settings folder
    messagesShown = 0;
    initPaths();
    EXPECT_NE(readFile(fileOptions).find("2=175\r\n"), std::string::npos);
    writeFile(fileOptions, "2=50\r\n");
    HANDLE held = CreateFileW(fileOptions, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    initPaths();
    EXPECT_FALSE(loadOptions());
    CloseHandle(held);
    EXPECT_TRUE(readFile(fileOptions) == "2=50\r\n" && messagesShown == 1 && optionValues[opacity] == 175);
    optionValues[opacity] = -1;
    optionValues[runAtStartup] = kNoValue;

    const std::wstring tempPath = std::wstring(fileOptions) + L".new";
    saveOptions();
    const std::string saved = readFile(fileOptions);
    EXPECT_TRUE(saved.find("0=0\r\n2=-1\r\n54=1\r\n") == 0 && saved.find("1009=") == std::string::npos &&
                GetFileAttributesW(tempPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        << saved;
    setDefaults();
    loadOptions();
    EXPECT_TRUE(optionValues[opacity] == -1 && optionValues[runAtStartup] == 1)
        << "unnamed entries keep their value";

    optionValues[opacity] = 25;
    for (bool readOnly : {true, false}) {
        if (readOnly)
            SetFileAttributesW(fileOptions, FILE_ATTRIBUTE_READONLY);
        else
            EXPECT_TRUE(CreateDirectoryW(tempPath.c_str(), nullptr));
        saveOptions();
        SetFileAttributesW(fileOptions, FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryW(tempPath.c_str());
        EXPECT_TRUE(readFile(fileOptions) == saved &&
                    GetFileAttributesW(tempPath.c_str()) == INVALID_FILE_ATTRIBUTES)
            << readOnly;
    }
    EXPECT_EQ(messagesShown, 3);
    removeFile();
    loadOptions();
    EXPECT_TRUE(messagesShown == 4 && optionValues[opacity] == 25);
    removeFile();
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(scratchUser);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrbiqaTest");
}

// A running copy is known by its named object alone (the end-to-end walk starts a real
// second copy): a window that merely bears the options window's title does not block the
// start, which then goes on until the first thing it cannot create, and says so.
TEST(StartSafety, OneCopyPerSessionAndAFailedStartSaysWhatFailed)
{
    ensureShellWindows(); // the class exists, so registering it again fails
    HWND lookalike =
        CreateWindowA("STATIC", "Orbiqa Options", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND overlayBefore = overlayWindow;

    messagesShown = 0;
    EXPECT_FALSE(startOrbiqa(GetModuleHandleA(nullptr)));
    EXPECT_TRUE(messagesShown == 1 && singleInstanceMutex && overlayWindow == overlayBefore)
        << "passed as the only copy, then stopped and said so";
    CloseHandle(singleInstanceMutex);
    DestroyWindow(lookalike);
}

// The system loads helpers such as this one by name, later, on the program's behalf; a
// copy planted beside the program must not be the one it gets. The planted one is ours,
// known by its export, and the real one must not be loaded yet, or no search happens.
TEST(StartSafety, DllsPlantedBesideTheProgramAreNotLoaded)
{
    ASSERT_EQ(GetModuleHandleA("dwmapi.dll"), nullptr);
    char exe[MAX_PATH], system[MAX_PATH], loaded[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string folder(exe, strrchr(exe, '\\') + 1), planted = folder + "dwmapi.dll";
    GetSystemDirectoryA(system, sizeof system);
    ASSERT_TRUE(CopyFileA((folder + "planted\\dwmapi.dll").c_str(), planted.c_str(), FALSE));
    restrictDllSearch();
    HMODULE module = LoadLibraryA("dwmapi.dll");
    GetModuleFileNameA(module, loaded, sizeof loaded);
    bool plantedLoaded = GetProcAddress(module, "orbiqaPlantedDll");
    FreeLibrary(module);
    DeleteFileA(planted.c_str());
    EXPECT_TRUE(module && !plantedLoaded && _strnicmp(loaded, system, strlen(system)) == 0) << loaded;
}
