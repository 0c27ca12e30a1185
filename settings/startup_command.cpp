#include "settings/startup_command.h"

#include "orbiqa_names.h"

#include <cwchar>

bool buildStartupCommand(const wchar_t* programDir, wchar_t* command, size_t size)
{
    if (wcspbrk(programDir, L" \t") == nullptr)
        return joinInProgramDir(command, size, programDir, {L"\\", kProgramFileName});
    return joinBounded(command, size, {L"\"", programDir, L"\\", kProgramFileName, L"\""});
}
