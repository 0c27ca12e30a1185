// Bounded joining of the settings paths: a path that does not fit is refused, never cut
// or written past its buffer.
#pragma once
#include <cstddef>

// The size of every path buffer (the classic Windows limit, terminator included).
constexpr size_t kPathBufferSize = 260;

// Appends text to the zero-terminated string in buffer when the whole result fits in
// size bytes; otherwise leaves the buffer as it was and returns false.
bool appendBounded(char* buffer, size_t size, const char* text);

// Builds settingsDir ("<appData>\Orbiqa\") and fileOptions ("<settingsDir>Settings.dat")
// into buffers of kPathBufferSize. Refuses (both left empty) when either would not fit,
// or when the temporary file written beside the settings file during a save would not.
bool buildSettingsPaths(const char* appDataDir, char* settingsDir, char* fileOptions);

// The name a save writes first, before replacing the settings file in one step.
bool buildSaveTempPath(const char* fileOptions, char* tempPath, size_t size);
