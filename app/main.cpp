#include "app/app.h"
#include "app/tray.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    restrictDllSearch();
    if (carryOutInstallerRequest(commandLine))
        return 0;
    // Any other command line and the show command are ignored: the settings file is the
    // only configuration, and the overlay never shows minimized.
    if (!startOrbiqa(instance))
        return 0;
    int exitCode = runMessageLoop();
    removeTrayIcon();
    return exitCode;
}
