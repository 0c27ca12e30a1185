// The command that the Run key starts: the program's fixed file name in its folder.
// Window-free, so that the quoting is tested natively.
#pragma once
#include "settings/paths.h"

#include <cstddef>

// Room, in characters, for the longest folder, the file name and a pair of quotation marks.
constexpr size_t kStartupCommandSize = kPathBufferSize + 16;

// Builds programDir followed by "\Orbiqa.exe" into command. A folder with a space (or a
// tab) in it is put in quotation marks: Windows reads an unquoted command up to the
// first blank, so "C:\Program Files\X\Orbiqa.exe" could start C:\Program.exe instead.
// A folder without blanks is stored bare. Refuses (false, command empty) an empty
// folder, which would name a file in the root of some drive, and a command that does
// not fit in size characters.
bool buildStartupCommand(const wchar_t* programDir, wchar_t* command, size_t size);
