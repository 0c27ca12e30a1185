#include "settings/startup_command.h"

#include <cwchar>

static constexpr wchar_t kProgramFileName[] = L"\\Orbiqa.exe";

bool buildStartupCommand(const wchar_t* programDir, wchar_t* command, size_t size)
{
    if (wcspbrk(programDir, L" \t") == nullptr)
        return joinInProgramDir(command, size, programDir, {kProgramFileName});
    return joinBounded(command, size, {L"\"", programDir, kProgramFileName, L"\""});
}
