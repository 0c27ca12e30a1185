#include "settings/startup_command.h"

#include <cstring>

static constexpr char kProgramFileName[] = "\\Orbiqa.exe";

bool buildStartupCommand(const char* programDir, char* command, size_t size)
{
    if (strpbrk(programDir, " \t") == nullptr)
        return joinInProgramDir(command, size, programDir, {kProgramFileName});
    return joinBounded(command, size, {"\"", programDir, kProgramFileName, "\""});
}
