#include "app/tray_icon_path.h"

#include "settings/paths.h"

bool buildTrayIconPath(const wchar_t* programDir, wchar_t* path, size_t size)
{
    return joinInProgramDir(path, size, programDir, {L"\\orbiqaIco.ICO"});
}
