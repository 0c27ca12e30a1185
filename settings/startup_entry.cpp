#include "settings/startup_entry.h"

#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "settings/startup_command.h"

#include "orbiqa_names.h"

#include <cwchar>

RegistryOpenFunction registryOpenFunction = RegOpenKeyExW;

static constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";

static bool setRunValue(HKEY root, const wchar_t* command)
{
    HKEY runKey;
    LONG opened = root == HKEY_LOCAL_MACHINE ? registryOpenFunction(root, kRunKey, 0, KEY_ALL_ACCESS, &runKey)
                                             : RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_SET_VALUE,
                                                               nullptr, &runKey, nullptr);
    if (opened != ERROR_SUCCESS)
        return false;
    LONG set = RegSetValueExW(runKey, kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                              DWORD((wcslen(command) + 1) * sizeof *command));
    RegCloseKey(runKey);
    return set == ERROR_SUCCESS;
}

// Reads the value into command (empty when there is none, or it is no string that fits)
// and says whether a value of that name exists at all.
static bool readRunValue(HKEY root, wchar_t* command, DWORD size)
{
    command[0] = L'\0';
    HKEY runKey;
    if (registryOpenFunction(root, kRunKey, 0, KEY_QUERY_VALUE, &runKey) != ERROR_SUCCESS)
        return false;
    bool exists =
        RegQueryValueExW(runKey, kRunValueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    DWORD bytes = size * sizeof *command;
    if (RegGetValueW(runKey, nullptr, kRunValueName, RRF_RT_REG_SZ, nullptr, command, &bytes) !=
        ERROR_SUCCESS)
        command[0] = L'\0';
    RegCloseKey(runKey);
    return exists;
}

// True when no value remains afterwards, whether it was deleted or never there.
static bool deleteRunValue(HKEY root)
{
    HKEY runKey;
    if (registryOpenFunction(root, kRunKey, 0, KEY_SET_VALUE, &runKey) == ERROR_SUCCESS) {
        RegDeleteValueW(runKey, kRunValueName);
        RegCloseKey(runKey);
    }
    wchar_t command[kStartupCommandSize];
    return !readRunValue(root, command, kStartupCommandSize);
}

// Windows compares paths without regard to case, so a value written from "C:\Tools" starts
// the same program as one from "c:\tools".
static bool machineValueStarts(const wchar_t* command)
{
    wchar_t machineCommand[kStartupCommandSize];
    readRunValue(HKEY_LOCAL_MACHINE, machineCommand, kStartupCommandSize);
    return CompareStringOrdinal(machineCommand, -1, command, -1, TRUE) == CSTR_EQUAL;
}

void removeStartupEntriesOfThisCopy()
{
    wchar_t command[kStartupCommandSize];
    if (!buildStartupCommand(programDir, command, kStartupCommandSize))
        return;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        wchar_t value[kStartupCommandSize];
        readRunValue(root, value, kStartupCommandSize);
        if (CompareStringOrdinal(value, -1, command, -1, TRUE) == CSTR_EQUAL)
            deleteRunValue(root);
    }
}

StartupEntryResult updateStartupEntry()
{
    if (isOptionOn(runAtStartup)) {
        wchar_t command[kStartupCommandSize];
        if (!buildStartupCommand(programDir, command, kStartupCommandSize))
            return StartupEntryResult::done;
        // The machine-wide key needs administrator rights, which a program started as the
        // user does not have under UAC; the user's own Run key then starts it just the
        // same. A value in both would start it twice at log-on, the second copy only to
        // say that one already runs: a machine-wide value written once as administrator
        // that starts this program leaves the user's key empty.
        if (setRunValue(HKEY_LOCAL_MACHINE, command) || machineValueStarts(command))
            deleteRunValue(HKEY_CURRENT_USER);
        else
            setRunValue(HKEY_CURRENT_USER, command);
        return StartupEntryResult::done;
    }
    bool machineValueGone = deleteRunValue(HKEY_LOCAL_MACHINE);
    deleteRunValue(HKEY_CURRENT_USER);
    return machineValueGone ? StartupEntryResult::done : StartupEntryResult::machineValueKept;
}
