// Shared by the Windows tests; ORBIQA_DIST_DIR is the packaged program's folder.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

constexpr wchar_t kDistDir[] = L"" ORBIQA_DIST_DIR;
// A folder whose name the ANSI functions turn into "?" (Wine's ANSI code page is 1252
// here); the test program creates it.
constexpr wchar_t kForeignFolder[] = L"C:\\Дарья Łódź 🎬";

// Message boxes are answered by the test, not a user; this counts them and keeps the last text.
extern int messagesShown;
extern std::string lastMessage;

// The tips and balloons ("title: text") the shell took, in order; each record is passed
// on to it. An add can be refused instead, as at log-on before the shell is up.
extern std::vector<std::string> tipsShown, noticesShown;
extern bool shellRefusesAdd;

// Creates the class, the two layered windows and the surface once, hidden, for tests
// that need real windows.
void ensureShellWindows();

// Keys going down in this order, or up with KEYEVENTF_KEYUP, as the keyboard sends them.
void sendKeys(const std::vector<WORD>& keys, DWORD flags);

// ALT+F10, the highlight's default shortcut, held or released as the keyboard would, and
// one tick with the cursor at (x, y).
void tickWithHighlightKeys(bool held, int x, int y);

// Opens keys as a user without administrator rights may: the machine-wide ones to read only.
LONG WINAPI openKeyAsUser(HKEY root, LPCWSTR key, DWORD options, REGSAM access, PHKEY opened);

inline std::string readFile(const wchar_t* path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline void writeFile(const wchar_t* path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}
