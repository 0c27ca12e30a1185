// Shared by the Windows tests.
#pragma once
#include <fstream>
#include <sstream>
#include <string>

// Message boxes are answered by the test, not a user; this counts them.
extern int messagesShown;

// The folder of the packaged program with its data files (dist/win64).
std::string distDir();

// Creates the class, the two layered windows and the surface once, hidden, for tests
// that need real windows.
void ensureShellWindows();

inline std::string readFile(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void writeFile(const char* path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}
