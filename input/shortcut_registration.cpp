#include "input/shortcut_registration.h"

#include "input/shortcut_keys.h"
#include "options/control_access.h"
#include "options/options_window.h"
#include "overlay/overlay_surface.h"
#include "res/resource.h"
#include "settings/option_table.h"

static constexpr size_t kListTextSize = 256;

// Built from the boxes, not taken from the table: a box counts only when it reports
// exactly "checked".
static int16_t modifiersFromBoxes(int ctrlBoxId, int altBoxId)
{
    int modifiers = 0;
    if (checkState(miscPage, ctrlBoxId) == BST_CHECKED)
        modifiers = kModControl;
    if (checkState(miscPage, altBoxId) == BST_CHECKED)
        modifiers |= kModAlt;
    return int16_t(modifiers);
}

ShortcutClaims registerShortcuts()
{
    char spotlightText[kListTextSize];
    char highlightText[kListTextSize];
    selectedItemText(GetDlgItem(miscPage, IDC_SPOTLIGHT_KEY_LIST), spotlightText, sizeof spotlightText);
    selectedItemText(GetDlgItem(miscPage, IDC_HIGHLIGHT_KEY_LIST), highlightText, sizeof highlightText);

    optionValues[spotlightModifiers] = modifiersFromBoxes(IDC_SPOTLIGHT_CTRL, IDC_SPOTLIGHT_ALT);
    optionValues[highlightModifiers] = modifiersFromBoxes(IDC_HIGHLIGHT_CTRL, IDC_HIGHLIGHT_ALT);
    optionValues[spotlightComboKey] = int16_t(keyFromName(spotlightText));
    optionValues[highlightComboKey] = int16_t(keyFromName(highlightText));

    // The keys come from the table, which the caller has loaded or read from the dialog.
    // Both calls are always made: one refusal does not keep the other shortcut free.
    ShortcutClaims claims;
    claims.spotlight =
        RegisterHotKey(overlayWindow, kSpotlightHotKeyId, UINT(int(optionValues[spotlightModifiers])),
                       UINT(int(optionValues[spotlightKey]))) != FALSE;
    claims.highlight =
        RegisterHotKey(overlayWindow, kHighlightHotKeyId, UINT(int(optionValues[highlightModifiers])),
                       UINT(int(optionValues[highlightKey]))) != FALSE;
    return claims;
}
