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
    // Another shortcut's combination is refused here rather than left to the system: whether it
    // refuses one that the same thread holds under another identifier is not to be counted on.
    const PointerShortcut pointer = pointerShortcut();
    claims.pointer = pointer.key == 0 || (!pointer.sharesAnother &&
                                          claimShortcut(kPointerHotKeyId, pointer.modifiers, pointer.key));
    claims.letterAlone = !shortcutAllowed(optionValues[spotlightModifiers], optionValues[spotlightKey]) ||
                         !shortcutAllowed(optionValues[highlightModifiers], optionValues[highlightKey]) ||
                         !shortcutAllowed(pointer.modifiers, pointer.key);
    return claims;
}
