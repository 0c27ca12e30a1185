#include "app/tray_icon_path.h"

#include "settings/paths.h"

bool buildTrayIconPath(const char* programDir, char* path, size_t size)
{
    if (size == 0)
        return false;
    path[0] = '\0';
    if (appendBounded(path, size, programDir) && appendBounded(path, size, "\\orbiqaIco.ICO"))
        return true;
    path[0] = '\0';
    return false;
}
