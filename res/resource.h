// Identifiers shared by the resource script and the code.
#pragma once

#define IDI_APP_ICON 1
#define IDB_PLUS 143
