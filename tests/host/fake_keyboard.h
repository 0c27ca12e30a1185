// The keyboard of the key and tick tables: the keys that are down, and the keys read in
// order. A key that is up answers with only the "pressed since the last call" bit, which
// is not "down".
#pragma once
#include <cstdint>
#include <set>
#include <vector>

constexpr int kF9 = 0x78, kF10 = 0x79;
inline std::set<int> keysDown;
inline std::vector<int> keysRead;
inline int16_t fakeKeyState(int virtualKey)
{
    keysRead.push_back(virtualKey);
    return keysDown.count(virtualKey) ? int16_t(0x8000) : int16_t(0x0001);
}
