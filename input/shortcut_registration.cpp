#include "input/shortcut_registration.h"

#include "input/shortcut_keys.h"
#include "overlay/overlay_surface.h"
#include "settings/option_table.h"

// A box counts only when its entry is exactly 1, which is how the dialog stores "checked".
static int16_t modifiersOf(int ctrlEntry, int altEntry)
{
    return int16_t((isOptionOn(ctrlEntry) ? kModControl : 0) | (isOptionOn(altEntry) ? kModAlt : 0));
}

// The key as its list shows it: a key without a name is no selection, which reads as 0.
static int16_t listedKey(int virtualKey)
{
    char name[kKeyNameSize] = "";
    return int16_t(keyFromName(nameFromKey(virtualKey, name, sizeof name)));
}

static bool claimShortcut(int id, int16_t modifiers, int16_t key)
{
    return shortcutAllowed(modifiers, key) &&
           RegisterHotKey(overlayWindow, id, UINT(int(modifiers)), UINT(int(key))) != FALSE;
}

// The pointer's combination, key 0 while it has none.
static void pointerShortcut(int16_t& modifiers, int16_t& key)
{
    key = optionValues[pointerKey] == kNoValue ? 0 : optionValues[pointerKey];
    modifiers = optionValues[pointerModifiers] == kNoValue ? 0 : optionValues[pointerModifiers];
}

// Checked here rather than left to the system: whether it refuses a combination the same
// thread already holds under another identifier is not something to count on.
static bool sameAsAnother(int16_t modifiers, int16_t key)
{
    return (modifiers == optionValues[spotlightModifiers] && key == optionValues[spotlightKey]) ||
           (modifiers == optionValues[highlightModifiers] && key == optionValues[highlightKey]);
}

ShortcutClaims registerShortcuts()
{
    UnregisterHotKey(overlayWindow, kSpotlightHotKeyId);
    UnregisterHotKey(overlayWindow, kHighlightHotKeyId);
    UnregisterHotKey(overlayWindow, kPointerHotKeyId);

    // From the table, which the file filled at start-up and the dialog on OK; the entries
    // written here are saved with the rest.
    optionValues[spotlightModifiers] = modifiersOf(spotlightCtrl, spotlightAlt);
    optionValues[highlightModifiers] = modifiersOf(highlightCtrl, highlightAlt);
    optionValues[spotlightComboKey] = listedKey(optionValues[spotlightKey]);
    optionValues[highlightComboKey] = listedKey(optionValues[highlightKey]);

    // Every call is always made: one refusal does not keep another shortcut free.
    ShortcutClaims claims = {};
    claims.spotlight =
        claimShortcut(kSpotlightHotKeyId, optionValues[spotlightModifiers], optionValues[spotlightKey]);
    claims.highlight =
        claimShortcut(kHighlightHotKeyId, optionValues[highlightModifiers], optionValues[highlightKey]);
    int16_t modifiers, key;
    pointerShortcut(modifiers, key);
    claims.pointer =
        key == 0 || (!sameAsAnother(modifiers, key) && claimShortcut(kPointerHotKeyId, modifiers, key));
    claims.letterAlone = !shortcutAllowed(optionValues[spotlightModifiers], optionValues[spotlightKey]) ||
                         !shortcutAllowed(optionValues[highlightModifiers], optionValues[highlightKey]) ||
                         !shortcutAllowed(modifiers, key);
    return claims;
}
