#include "settings/startup_command.h"

#include <cstring>

static constexpr char kProgramFileName[] = "\\Orbiqa.exe";

bool buildStartupCommand(const char* programDir, char* command, size_t size)
{
    if (size == 0)
        return false;
    command[0] = '\0';
    if (programDir[0] == '\0')
        return false;
    bool quoted = strpbrk(programDir, " \t") != nullptr;
    bool fits = (!quoted || appendBounded(command, size, "\"")) && appendBounded(command, size, programDir) &&
                appendBounded(command, size, kProgramFileName) &&
                (!quoted || appendBounded(command, size, "\""));
    if (!fits)
        command[0] = '\0';
    return fits;
}
