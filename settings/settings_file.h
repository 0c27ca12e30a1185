// The settings file in the user's application-data folder, and the program's paths.
#pragma once
#include "settings/paths.h"

extern wchar_t programDir[kPathBufferSize];  // the executable's folder, no trailing backslash
extern wchar_t settingsDir[kPathBufferSize]; // "<AppData>\Orbiqa\", empty when refused
extern wchar_t fileOptions[kPathBufferSize]; // settingsDir + "Settings.dat", empty when refused

// True when initPaths wrote a first settings file in this start: a first run.
extern bool settingsFileCreated;

// Finds programDir alone, for work that needs no settings file.
void findProgramDir();
// Resolves the three paths and writes a first settings file when there is none.
void initPaths();
// Writes the table to the settings file, replacing the old file only once the new one
// is completely written. False when it could not (the user has been told).
bool saveOptions();
// Reads the settings file into the table. False when the file could not be opened (the
// user has been told, and the table is as it was); with refused paths there is no file
// and the table stands as it is, which counts as read.
bool loadOptions();
