// Prints the names of the files shipped beside the program, one a line, for the build's
// list of data files: the tray icon, then the spotlight bitmaps.
#include "overlay/spotlight_files.h"

#include <cstdio>

int main()
{
    printf("%s\n", kTrayIconFileName);
    for (int index = 0; index < kSpotlightFileCount; ++index) {
        char name[kDataFileNameSize];
        if (!spotlightFileName(spotlightFileKind(index), name, sizeof name))
            return 1;
        printf("%s\n", name);
    }
    return 0;
}
