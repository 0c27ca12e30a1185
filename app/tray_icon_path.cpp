#include "app/tray_icon_path.h"

#include "settings/paths.h"

bool buildTrayIconPath(const char* programDir, char* path, size_t size)
{
    return joinInProgramDir(path, size, programDir, {"\\orbiqaIco.ICO"});
}
