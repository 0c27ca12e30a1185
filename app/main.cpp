#include "app/app.h"
#include "app/tray.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    restrictDllSearch();
    // The command line is ignored: the settings file is the only configuration.
    if (!startOrbiqa(instance, showCommand))
        return 0;
    int exitCode = runMessageLoop();
    removeTrayIcon();
    return exitCode;
}
