#include "app/tray_icon_path.h"

#include "overlay/spotlight_files.h"
#include "settings/paths.h"

bool buildTrayIconPath(const wchar_t* programDir, wchar_t* path, size_t size)
{
    wchar_t name[sizeof kTrayIconFileName];
    widenAscii(name, sizeof kTrayIconFileName, kTrayIconFileName);
    return joinInProgramDir(path, size, programDir, {L"\\", name});
}
