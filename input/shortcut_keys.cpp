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

static constexpr int kKnownModifiers = kModAlt | kModControl | kModShift;

// The key state read with the key first: a key seen down is a state no older than its
// press, so the modifiers read after it are no older either.
static bool keyStateDeniesModifiers(KeyEvents& events, KeyStateReader readKey, int modifiers, int key)
{
    if (!keyDown(readKey, key))
        return false;
    events.modifiersDown = (keyDown(readKey, kVkShift) ? kModShift : 0) |
                           (keyDown(readKey, kVkControl) ? kModControl : 0) |
                           (keyDown(readKey, kVkMenu) ? kModAlt : 0);
    return (modifiers & kKnownModifiers & ~events.modifiersDown) != 0;
}

// Autorepeat latches again while the key is held; the toggle guard keeps those presses to
// what the held key alone would do.
void noteKeyEvent(KeyEvents& events, KeyStateReader readKey, int virtualKey, bool released,
                  int spotlightModifiers, int spotlightKey)
{
    if (int modifier = modifierOfKey(virtualKey)) {
        events.modifiersDown = released ? events.modifiersDown & ~modifier : events.modifiersDown | modifier;
        return;
    }
    if (!released && virtualKey == spotlightKey &&
        !keyStateDeniesModifiers(events, readKey, spotlightModifiers, spotlightKey) &&
        (spotlightModifiers & kKnownModifiers & ~events.modifiersDown) == 0)
        events.spotlightPressed = true;
}

bool takeSpotlightPress(KeyEvents& events, KeyStateReader readKey, int spotlightModifiers, int spotlightKey)
{
    const bool pressed = events.spotlightPressed &&
                         !keyStateDeniesModifiers(events, readKey, spotlightModifiers, spotlightKey);
    events.spotlightPressed = false;
    return pressed;
}
