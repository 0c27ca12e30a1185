#include "input/shortcut_keys.h"

#include <cstdio>
#include <cstring>
#include <iterator>

const char* const keyNames[kKeyNameCount] = {
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "A",
    "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "K",   "L",   "M",   "N",
    "O",  "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",   "Y",   "Z",
};

static constexpr int kVkF1 = 0x70;
static constexpr int kFunctionKeyCount = 12;

int keyFromName(const char* name)
{
    if (name[0] != '\0' && name[1] == '\0')
        return int(static_cast<signed char>(name[0]));
    for (int i = 0; i < kFunctionKeyCount; ++i)
        if (strcmp(name, keyNames[i]) == 0)
            return kVkF1 + i;
    return 0;
}

char* nameFromKey(int virtualKey, char* buffer, size_t size)
{
    const char* name = nullptr;
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        name = keyNames[kFunctionKeyCount + (virtualKey - 'A')];
    else if (virtualKey >= kVkF1 && virtualKey < kVkF1 + kFunctionKeyCount)
        name = keyNames[virtualKey - kVkF1];
    if (name) {
        size_t used = strnlen(buffer, size);
        if (used < size && strlen(name) < size - used)
            memcpy(buffer + used, name, strlen(name) + 1);
    }
    return buffer;
}

char* shortcutName(int modifiers, int virtualKey, char* buffer, size_t size)
{
    char key[kShortcutNameSize] = "";
    nameFromKey(virtualKey, key, sizeof key);
    snprintf(buffer, size, "%s%s%s%s", (modifiers & kModControl) ? "CTRL+" : "",
             (modifiers & kModAlt) ? "ALT+" : "", (modifiers & kModShift) ? "SHIFT+" : "",
             key[0] ? key : "?");
    return buffer;
}

bool shortcutAllowed(int modifiers, int virtualKey)
{
    const bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
    return !letter || (modifiers & (kModControl | kModAlt)) != 0;
}

bool modifiersDown(KeyStateReader readKey, int flags)
{
    if ((flags & kModControl) && !keyDown(readKey, kVkControl))
        return false;
    if ((flags & kModAlt) && !keyDown(readKey, kVkMenu))
        return false;
    if ((flags & kModShift) && !keyDown(readKey, kVkShift))
        return false;
    return true;
}

bool shortcutHeld(KeyStateReader readKey, int modifiers, int virtualKey)
{
    return modifiersDown(readKey, modifiers) && keyDown(readKey, virtualKey);
}

// The generic codes and the left-and-right pairs come in the same order: SHIFT, CTRL, ALT.
static int modifierOfKey(int virtualKey)
{
    static constexpr int kModifierInOrder[] = {kModShift, kModControl, kModAlt};
    constexpr int kCount = int(std::size(kModifierInOrder));
    if (virtualKey >= kVkShift && virtualKey < kVkShift + kCount)
        return kModifierInOrder[virtualKey - kVkShift];
    if (virtualKey >= kVkLeftShift && virtualKey < kVkLeftShift + 2 * kCount)
        return kModifierInOrder[(virtualKey - kVkLeftShift) / 2];
    return 0;
}

// The modifiers among flags that the key state shows up.
static int modifiersShownUp(KeyStateReader readKey, int flags)
{
    int up = 0;
    for (int modifier : {kModControl, kModAlt, kModShift})
        up |= (flags & modifier) && !modifiersDown(readKey, modifier) ? modifier : 0;
    return up;
}

// Autorepeat latches again while the key is held; the toggle guard keeps those presses to
// what the held key alone would do.
void noteKeyEvent(KeyEvents& events, KeyStateReader readKey, int virtualKey, bool released,
                  int spotlightModifiers, int spotlightKey, uint32_t now)
{
    if (int modifier = modifierOfKey(virtualKey)) {
        events.modifiersDown = released ? events.modifiersDown & ~modifier : events.modifiersDown | modifier;
        if (released)
            events.unconfirmed &= ~modifier;
        return;
    }
    constexpr int kKnownModifiers = kModAlt | kModControl | kModShift;
    const int needed = spotlightModifiers & kKnownModifiers;
    if (released || virtualKey != spotlightKey || (needed & ~events.modifiersDown) != 0)
        return;
    if (!events.spotlightPressed)
        events.pressedAt = now;
    events.spotlightPressed = true;
    events.unconfirmed = modifiersShownUp(readKey, needed);
}

bool takeSpotlightPress(KeyEvents& events, KeyStateReader readKey, uint32_t now)
{
    if (!events.spotlightPressed)
        return false;
    events.unconfirmed = modifiersShownUp(readKey, events.unconfirmed);
    if (events.unconfirmed != 0 && now - events.pressedAt < kKeyStateLagMs)
        return false;
    events.modifiersDown &= ~events.unconfirmed;
    const bool pressed = events.unconfirmed == 0;
    events.spotlightPressed = false, events.unconfirmed = 0;
    return pressed;
}
