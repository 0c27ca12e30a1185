// Where the notification-area icon is read from. Window-free.
#pragma once
#include <cstddef>

// Builds programDir + "\" + the icon's file name into path. A folder too long for the buffer gives
// false and an empty path, never a cut one that could name some other file; so does an
// empty folder.
bool buildTrayIconPath(const wchar_t* programDir, wchar_t* path, size_t size);
