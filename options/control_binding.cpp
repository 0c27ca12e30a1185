#include "options/control_binding.h"

#include "input/key_lists.h"
#include "input/shortcut_keys.h"
#include "options/control_access.h"
#include "options/options_layout.h"
#include "options/options_window.h"
#include "res/resource.h"
#include "settings/option_table.h"

#include <commctrl.h>

// The longest key name is three characters.
static constexpr size_t kKeyNameBufferSize = 10;
static constexpr size_t kOpacityLabelSize = 32;

static void readCheck(HWND page, int controlId)
{
    optionValues[controlId] = checkState(page, controlId);
}

static void fillCheck(HWND page, int controlId)
{
    setCheckState(page, controlId, optionValues[controlId]);
}

static int trackbarPosition()
{
    return int(SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_GETPOS, 0, 0));
}

void showOpacityLabel(int position)
{
    char label[kOpacityLabelSize];
    formatOpacityLabel(position, label, sizeof label);
    SetDlgItemTextA(mainPage, IDC_OPACITY_LABEL, label);
}

void readDialog()
{
    readCheck(mainPage, IDC_BLUR);
    readCheck(miscPage, IDC_HOLD_MODE);
    readCheck(miscPage, IDC_TOGGLE_MODE);
    readCheck(mainPage, IDC_SHAPE_CIRCLE);
    readCheck(mainPage, IDC_SHAPE_RECT);
    readCheck(mainPage, IDC_SHAPE_THIN_RECT);
    readCheck(mainPage, IDC_SIZE_SMALL);
    readCheck(mainPage, IDC_SIZE_MEDIUM);
    readCheck(mainPage, IDC_SIZE_LARGE);
    readCheck(mainPage, IDC_SIZE_EXTRA_LARGE);
    optionValues[opacity] = int16_t(opacityAtPosition(trackbarPosition()));
    readCheck(mainPage, IDC_SHOW_OUTLINE);
    readCheck(miscPage, IDC_RUN_AT_STARTUP);
    // No control bears this identifier, so the entry always reads 0.
    readCheck(miscPage, IDC_ORPHAN);
    readCheck(miscPage, IDC_FORCE_TOPMOST);

    // Only the selected item counts: text typed into a list's edit field is never read.
    char spotlightName[kKeyNameBufferSize];
    char highlightName[kKeyNameBufferSize];
    selectedItemText(GetDlgItem(miscPage, IDC_SPOTLIGHT_KEY_LIST), spotlightName, sizeof spotlightName);
    selectedItemText(GetDlgItem(miscPage, IDC_HIGHLIGHT_KEY_LIST), highlightName, sizeof highlightName);

    optionValues[spotlightKey] = int16_t(keyFromName(spotlightName));
    readCheck(miscPage, IDC_SPOTLIGHT_CTRL);
    readCheck(miscPage, IDC_SPOTLIGHT_ALT);
    optionValues[highlightKey] = int16_t(keyFromName(highlightName));
    readCheck(miscPage, IDC_HIGHLIGHT_CTRL);
    readCheck(miscPage, IDC_HIGHLIGHT_ALT);
}

// A key without a name, or a name that is not in the list, leaves the list's selection.
static void selectKey(int listId, int virtualKey)
{
    char name[kKeyNameBufferSize] = "";
    nameFromKey(virtualKey, name, sizeof name);
    findCombo(GetDlgItem(miscPage, listId), name);
}

void fillDialog()
{
    SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_SETRANGE, TRUE,
                        MAKELPARAM(kTrackbarMinPosition, kTrackbarMaxPosition));

    // Each button shows its own entry; the radio sets' exclusivity only follows clicks.
    fillCheck(miscPage, IDC_HOLD_MODE);
    fillCheck(miscPage, IDC_TOGGLE_MODE);
    fillCheck(mainPage, IDC_BLUR);
    fillCheck(mainPage, IDC_SHAPE_CIRCLE);
    fillCheck(mainPage, IDC_SHAPE_RECT);
    fillCheck(mainPage, IDC_SHAPE_THIN_RECT);
    fillCheck(mainPage, IDC_SIZE_SMALL);
    fillCheck(mainPage, IDC_SIZE_MEDIUM);
    fillCheck(mainPage, IDC_SIZE_LARGE);
    fillCheck(mainPage, IDC_SIZE_EXTRA_LARGE);
    fillCheck(mainPage, IDC_SHOW_OUTLINE);
    fillCheck(miscPage, IDC_RUN_AT_STARTUP);
    fillCheck(miscPage, IDC_ORPHAN);
    fillCheck(miscPage, IDC_FORCE_TOPMOST);

    // The trackbar clamps an opacity outside its range; the label shows the position
    // read back, so it always agrees with the thumb.
    SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_SETPOS, TRUE,
                        trackbarPositionFor(optionValues[opacity]));
    showOpacityLabel(trackbarPosition());

    selectKey(IDC_SPOTLIGHT_KEY_LIST, optionValues[spotlightKey]);
    selectKey(IDC_HIGHLIGHT_KEY_LIST, optionValues[highlightKey]);

    fillCheck(miscPage, IDC_SPOTLIGHT_CTRL);
    fillCheck(miscPage, IDC_SPOTLIGHT_ALT);
    fillCheck(miscPage, IDC_HIGHLIGHT_CTRL);
    fillCheck(miscPage, IDC_HIGHLIGHT_ALT);

    // The tab control keeps its selection; only the entry is reset.
    optionValues[optionsPage] = 0;
}
