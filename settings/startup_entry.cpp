#include "settings/startup_entry.h"

void updateStartupEntry() {}
