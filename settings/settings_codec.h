// The settings file format: lines of "key=value" in decimal. Window-free so that the
// parser is tested natively and fuzzed.
#pragma once
#include <cstdint>
#include <cstdio>

// Lines are read through a buffer of this size; the rest of a longer line comes with
// the next read and counts as a line of its own.
constexpr int kSettingsLineBuffer = 360;

// Reads a decimal number the forgiving way the file has always been read: leading white
// space (9-13, 32), one optional sign, digits up to the first non-digit, no digits = 0.
// Accumulates in 32 bits with wrap-around, so any text gives a defined result.
int32_t parseSettingsNumber(const char* text);

// Applies one line ("key=value") to the table. Lines without "=" and keys outside
// 0..1999 change nothing; the value is reduced to signed 16 bits.
void applySettingsLine(const char* line, int16_t* table);

// Applies every line of an open file in order; later lines win, nothing is cleared.
void readSettings(FILE* file, int16_t* table);

// Writes one "key=value" line per entry that holds a value, in ascending key order.
// Returns false when a write failed.
bool writeSettings(FILE* file, const int16_t* table);
