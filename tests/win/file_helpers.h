// Whole-file reading and writing for the Windows tests, and the file a first start writes.
#pragma once
#include <fstream>
#include <sstream>
#include <string>

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

// Every default in ascending key order, with the CR LF line ends of a text-mode file.
constexpr char kDefaultSettingsFile[] =
    "0=0\r\n2=175\r\n54=1\r\n55=120\r\n56=1\r\n57=121\r\n1007=1\r\n1008=0\r\n1009=1\r\n"
    "1010=1\r\n1011=1\r\n1012=0\r\n1013=1\r\n1018=1\r\n1019=0\r\n1020=0\r\n1022=0\r\n"
    "1033=1\r\n1064=0\r\n1065=0\r\n1066=1\r\n1068=1\r\n1125=0\r\n1211=0\r\n";
