// The settings file in the user's application-data folder, and the program's paths.
#pragma once
#include "settings/paths.h"

extern char programDir[kPathBufferSize];  // the executable's folder, no trailing backslash
extern char settingsDir[kPathBufferSize]; // "<AppData>\Orbiqa\", empty when refused
extern char fileOptions[kPathBufferSize]; // settingsDir + "Settings.dat", empty when refused

// The defaults into the table, and the opacity trackbar to match them.
void setDefaults();
// Resolves the three paths and writes a first settings file when there is none.
void initPaths();
// Writes the table to the settings file, replacing the old file only once the new one
// is completely written.
void saveOptions();
// Reads the settings file into the table, then sets the options window's controls.
// False, after telling the user, when the file could not be read: nothing changed then.
bool loadOptions();
