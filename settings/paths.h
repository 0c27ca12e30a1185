// Bounded joining of paths: a path that does not fit is refused, never cut or written
// past its buffer.
#pragma once
#include <cstddef>
#include <initializer_list>

// The size of every path buffer (the classic Windows limit, terminator included).
constexpr size_t kPathBufferSize = 260;

// Appends text to the zero-terminated string in buffer when the whole result fits in
// size bytes; otherwise leaves the buffer as it was and returns false.
bool appendBounded(char* buffer, size_t size, const char* text);

// Puts the parts one after the other into buffer. When they do not fit in size bytes,
// buffer is left empty (a cut path could name some other file) and the result is false.
bool joinBounded(char* buffer, size_t size, std::initializer_list<const char*> parts);

// Like joinBounded, for a file named by fileName (with its leading backslash) in the
// program's folder. An empty folder is refused: the name would be taken from the root of
// whatever drive is current.
bool joinInProgramDir(char* buffer, size_t size, const char* programDir,
                      std::initializer_list<const char*> fileName);

// Builds settingsDir ("<appData>\Orbiqa\") and fileOptions ("<settingsDir>Settings.dat")
// into buffers of kPathBufferSize. Refuses (both left empty) when either would not fit,
// when the temporary file written beside the settings file during a save would not, or
// when no application-data folder is known.
bool buildSettingsPaths(const char* appDataDir, char* settingsDir, char* fileOptions);

// The name a save writes first, before replacing the settings file in one step.
bool buildSaveTempPath(const char* fileOptions, char* tempPath, size_t size);
