// Bounded joining of paths: a path that does not fit is refused, never cut or written
// past its buffer. Paths are wide strings, so that a folder named in any language
// survives; sizes count characters, not bytes.
#pragma once
#include <cstddef>
#include <initializer_list>

// The size of every path buffer in characters (the classic Windows limit, terminator
// included).
constexpr size_t kPathBufferSize = 260;

// Appends text to the zero-terminated string in buffer when the whole result fits in
// size characters; otherwise leaves the buffer as it was and returns false.
bool appendBounded(wchar_t* buffer, size_t size, const wchar_t* text);
// The same for text that is no path, such as a message.
bool appendBounded(char* buffer, size_t size, const char* text);

// Widens an ASCII text, such as a file name the program ships, into buffer; like
// appendBounded, a text that does not fit leaves an empty buffer and gives false.
bool widenAscii(wchar_t* buffer, size_t size, const char* text);

// Puts the parts one after the other into buffer. When they do not fit in size
// characters, buffer is left empty (a cut path could name some other file) and the
// result is false.
bool joinBounded(wchar_t* buffer, size_t size, std::initializer_list<const wchar_t*> parts);

// Like joinBounded, for a file named by fileName (with its leading backslash) in the
// program's folder. An empty folder is refused: the name would be taken from the root of
// whatever drive is current.
bool joinInProgramDir(wchar_t* buffer, size_t size, const wchar_t* programDir,
                      std::initializer_list<const wchar_t*> fileName);

// Builds settingsDir ("<appData>\Orbiqa\") and fileOptions ("<settingsDir>Settings.dat")
// into buffers of kPathBufferSize. Refuses (both left empty) when either would not fit,
// when the temporary file written beside the settings file during a save would not, or
// when no application-data folder is known.
bool buildSettingsPaths(const wchar_t* appDataDir, wchar_t* settingsDir, wchar_t* fileOptions);

// The name a save writes first, before replacing the settings file in one step.
bool buildSaveTempPath(const wchar_t* fileOptions, wchar_t* tempPath, size_t size);
