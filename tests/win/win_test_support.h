// Shared by the Windows tests; ORBIQA_DIST_DIR is the packaged program's folder.
#pragma once
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Message boxes are answered by the test, not a user; this counts them.
extern int messagesShown;

// The tips and balloons ("title: text") the shell took, in order; each record is passed
// on to it. An add can be refused instead, as at log-on before the shell is up.
extern std::vector<std::string> tipsShown, noticesShown;
extern bool shellRefusesAdd;

// Creates the class, the two layered windows and the surface once, hidden, for tests
// that need real windows.
void ensureShellWindows();

inline std::string readFile(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline void writeFile(const char* path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}
