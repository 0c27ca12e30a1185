// The "start with Windows" value: in the machine-wide Run key when the user may write
// there, otherwise in the user's own Run key, never in both.
#pragma once
#include <windows.h>

enum class StartupEntryResult {
    done,
    // The option is off, but the machine-wide value could not be removed (no administrator
    // rights): Windows still starts the program for every user.
    machineValueKept,
};

StartupEntryResult updateStartupEntry();

// Removes the Run values, machine-wide and the user's, that start the program in
// programDir, as an uninstall must; a value naming another copy stays.
void removeStartupEntriesOfThisCopy();

// Opens the Run keys. A user without administrator rights may read the machine-wide key
// but not write it; tests put a function here that refuses the same way, since the
// registry under Wine refuses nothing.
using RegistryOpenFunction = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY);
extern RegistryOpenFunction registryOpenFunction;
