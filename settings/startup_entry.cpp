#include "settings/startup_entry.h"

#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "settings/startup_command.h"

#include <windows.h>

#include <cwchar>

static constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
static constexpr wchar_t kRunValueName[] = L"Orbiqa";

static bool setRunValue(HKEY root, const wchar_t* command)
{
    HKEY runKey;
    LONG opened = root == HKEY_LOCAL_MACHINE ? RegOpenKeyExW(root, kRunKey, 0, KEY_ALL_ACCESS, &runKey)
                                             : RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_SET_VALUE,
                                                               nullptr, &runKey, nullptr);
    if (opened != ERROR_SUCCESS)
        return false;
    LONG set = RegSetValueExW(runKey, kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                              DWORD((wcslen(command) + 1) * sizeof *command));
    RegCloseKey(runKey);
    return set == ERROR_SUCCESS;
}

static void deleteRunValue(HKEY root)
{
    HKEY runKey;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_SET_VALUE, &runKey) != ERROR_SUCCESS)
        return;
    RegDeleteValueW(runKey, kRunValueName);
    RegCloseKey(runKey);
}

void updateStartupEntry()
{
    // The machine-wide key needs administrator rights, which a program started as the
    // user does not have under UAC; the user's own Run key then starts it just the same.
    // Only one of the two holds the value, or the program would start twice at log-on.
    if (isOptionOn(runAtStartup)) {
        wchar_t command[kStartupCommandSize];
        if (!buildStartupCommand(programDir, command, kStartupCommandSize))
            return;
        if (setRunValue(HKEY_LOCAL_MACHINE, command))
            deleteRunValue(HKEY_CURRENT_USER);
        else
            setRunValue(HKEY_CURRENT_USER, command);
        return;
    }
    deleteRunValue(HKEY_LOCAL_MACHINE);
    deleteRunValue(HKEY_CURRENT_USER);
}
