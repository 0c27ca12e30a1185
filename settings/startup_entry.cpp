#include "settings/startup_entry.h"

#include "settings/option_table.h"
#include "settings/settings_file.h"
#include "settings/startup_command.h"

#include <windows.h>

#include <cstring>

static constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
static constexpr char kRunValueName[] = "Orbiqa";

void updateStartupEntry()
{
    // The machine-wide key needs administrator rights; without them nothing changes,
    // and nothing is said.
    HKEY runKey;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &runKey) != ERROR_SUCCESS)
        return;
    if (isOptionOn(runAtStartup)) {
        char command[kStartupCommandSize];
        if (buildStartupCommand(programDir, command, sizeof command))
            RegSetValueExA(runKey, kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                           DWORD(strlen(command) + 1));
    } else {
        RegDeleteValueA(runKey, kRunValueName);
    }
    RegCloseKey(runKey);
}
