// Feeds arbitrary bytes to the settings reader: it must never read or write out of
// bounds, whatever a hand-edited or damaged file holds.
#include "settings/option_table.h"
#include "settings/settings_codec.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!file)
        return 0;
    static int16_t table[kOptionCount];
    readSettings(file, table);
    fclose(file);
    return 0;
}
