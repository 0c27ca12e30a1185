#include "settings/settings_codec.h"

#include "settings/option_table.h"

#include <cstring>

static bool isSettingsSpace(char c)
{
    return c == ' ' || (c >= 9 && c <= 13);
}

int32_t parseSettingsNumber(const char* text)
{
    while (isSettingsSpace(*text))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    // Unsigned arithmetic wraps without undefined behaviour; the result is the 32-bit
    // two's-complement value the old reader produced.
    uint32_t number = 0;
    while (*text >= '0' && *text <= '9')
        number = number * 10u + uint32_t(*text++ - '0');
    if (negative)
        number = 0u - number;
    return int32_t(number);
}

void applySettingsLine(const char* line, int16_t* table)
{
    const char* equals = strchr(line, '=');
    if (!equals)
        return;
    int32_t key = parseSettingsNumber(line);
    int32_t value = parseSettingsNumber(equals + 1);
    if (key < 0 || key >= kOptionCount)
        return;
    table[key] = int16_t(uint16_t(uint32_t(value) & 0xFFFFu));
}

void readSettings(FILE* file, int16_t* table)
{
    char line[kSettingsLineBuffer];
    while (fgets(line, sizeof line, file))
        applySettingsLine(line, table);
}

bool writeSettings(FILE* file, const int16_t* table)
{
    for (int key = 0; key < kOptionCount; ++key) {
        if (table[key] == kNoValue)
            continue;
        if (fprintf(file, "%d=%d\n", key, int(table[key])) < 0)
            return false;
    }
    return true;
}
