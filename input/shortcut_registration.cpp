#include "input/shortcut_registration.h"

bool registerShortcuts()
{
    return true;
}
