#include "options/control_binding.h"

#include "input/key_lists.h"
#include "input/shortcut_keys.h"
#include "options/control_access.h"
#include "options/options_layout.h"
#include "res/resource.h"
#include "settings/option_table.h"

#include <commctrl.h>

static constexpr size_t kOpacityLabelSize = 32;
static constexpr int kDefaultTrackbarPosition = trackbarPositionFor(kDefaultOpacity);

namespace {

enum class Page { main, misc };
enum class Kind { button, trackbar, keyList };

struct BoundControl {
    int id;
    int key;
    Page page;
    Kind kind;
};

// Buttons first, then the trackbar, then the key lists: filling in this order gives the
// trackbar its position only after its range, and reads its label back from it.
constexpr BoundControl kBoundControls[] = {
    {IDC_HOLD_MODE, holdMode, Page::misc, Kind::button},
    {IDC_TOGGLE_MODE, toggleMode, Page::misc, Kind::button},
    {IDC_BLUR, blurEnabled, Page::main, Kind::button},
    {IDC_SHAPE_CIRCLE, shapeCircle, Page::main, Kind::button},
    {IDC_SHAPE_RECT, shapeRect, Page::main, Kind::button},
    {IDC_SHAPE_THIN_RECT, shapeThinRect, Page::main, Kind::button},
    {IDC_SIZE_SMALL, sizeSmall, Page::main, Kind::button},
    {IDC_SIZE_MEDIUM, sizeMedium, Page::main, Kind::button},
    {IDC_SIZE_LARGE, sizeLarge, Page::main, Kind::button},
    {IDC_SIZE_EXTRA_LARGE, sizeExtraLarge, Page::main, Kind::button},
    {IDC_SHOW_OUTLINE, showOutline, Page::main, Kind::button},
    {IDC_RUN_AT_STARTUP, runAtStartup, Page::misc, Kind::button},
    // No control bears this identifier: the entry always reads 0, and filling does nothing.
    {IDC_ORPHAN, orphanFlag, Page::misc, Kind::button},
    {IDC_FORCE_TOPMOST, forceTopmost, Page::misc, Kind::button},
    {IDC_SPOTLIGHT_CTRL, spotlightCtrl, Page::misc, Kind::button},
    {IDC_SPOTLIGHT_ALT, spotlightAlt, Page::misc, Kind::button},
    {IDC_HIGHLIGHT_CTRL, highlightCtrl, Page::misc, Kind::button},
    {IDC_HIGHLIGHT_ALT, highlightAlt, Page::misc, Kind::button},
    {IDC_OPACITY_TRACKBAR, opacity, Page::main, Kind::trackbar},
    {IDC_SPOTLIGHT_KEY_LIST, spotlightKey, Page::misc, Kind::keyList},
    {IDC_HIGHLIGHT_KEY_LIST, highlightKey, Page::misc, Kind::keyList},
};

HWND pageWindow(Page page)
{
    return page == Page::main ? mainPage : miscPage;
}

int trackbarPosition()
{
    return int(SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_GETPOS, 0, 0));
}

// A key without a name, or a name that is not in the list, leaves the list's selection.
void selectKey(HWND list, int virtualKey)
{
    char name[kKeyNameSize] = "";
    nameFromKey(virtualKey, name, sizeof name);
    findCombo(list, name);
}

// The laser pointer's row stays out of the table above: its boxes would create entries of
// their own, and a user who never chose a pointer must keep a file without any of its keys.
void readPointerRow()
{
    char name[kKeyNameSize];
    selectedItemText(GetDlgItem(miscPage, IDC_POINTER_KEY_LIST), name, sizeof name);
    const int key = keyFromName(name);
    if (key == 0) {
        optionValues[pointerModifiers] = optionValues[pointerKey] = kNoValue;
        return;
    }
    optionValues[pointerModifiers] = int16_t((checkState(miscPage, IDC_POINTER_CTRL) ? kModControl : 0) |
                                             (checkState(miscPage, IDC_POINTER_ALT) ? kModAlt : 0));
    optionValues[pointerKey] = int16_t(key);
}

// With no shortcut yet the boxes offer ALT, as the other two shortcuts have it.
void fillPointerRow()
{
    const int16_t modifiers = optionValues[pointerModifiers];
    const bool none = modifiers == kNoValue;
    setCheckState(miscPage, IDC_POINTER_CTRL, !none && (modifiers & kModControl) ? 1 : 0);
    setCheckState(miscPage, IDC_POINTER_ALT, none || (modifiers & kModAlt) ? 1 : 0);
    char name[kKeyNameSize] = "";
    nameFromKey(optionValues[pointerKey], name, sizeof name);
    findCombo(GetDlgItem(miscPage, IDC_POINTER_KEY_LIST), name[0] ? name : kNoShortcutItem);
}

} // namespace

void showOpacityLabel(int position)
{
    char label[kOpacityLabelSize];
    formatOpacityLabel(position, label, sizeof label);
    SetDlgItemTextA(mainPage, IDC_OPACITY_LABEL, label);
}

void readDialog()
{
    for (const BoundControl& control : kBoundControls) {
        HWND page = pageWindow(control.page);
        int16_t& entry = optionValues[control.key];
        if (control.kind == Kind::button) {
            entry = checkState(page, control.id);
        } else if (control.kind == Kind::trackbar) {
            entry = int16_t(opacityAtPosition(trackbarPosition()));
        } else {
            // Only the selected item counts: text typed into a list's edit field is never read.
            char name[kKeyNameSize];
            selectedItemText(GetDlgItem(page, control.id), name, sizeof name);
            entry = int16_t(keyFromName(name));
        }
    }
    readPointerRow();
}

void fillDialog()
{
    SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_SETRANGE, TRUE,
                        MAKELPARAM(kTrackbarMinPosition, kTrackbarMaxPosition));
    for (const BoundControl& control : kBoundControls) {
        HWND page = pageWindow(control.page);
        int16_t entry = optionValues[control.key];
        if (control.kind == Kind::button) {
            // Each button shows its own entry; the radio sets' exclusivity only follows clicks.
            setCheckState(page, control.id, entry);
        } else if (control.kind == Kind::trackbar) {
            // The trackbar clamps an opacity outside its range; the label shows the position
            // read back, so it always agrees with the thumb.
            SendDlgItemMessageA(page, control.id, TBM_SETPOS, TRUE, trackbarPositionFor(entry));
            showOpacityLabel(trackbarPosition());
        } else {
            selectKey(GetDlgItem(page, control.id), entry);
        }
    }
    fillPointerRow();
    // The tab control keeps its selection; only the entry is reset.
    optionValues[optionsPage] = 0;
}

void setDefaults()
{
    setDefaultValues();
    SendDlgItemMessageA(mainPage, IDC_OPACITY_TRACKBAR, TBM_SETPOS, TRUE, kDefaultTrackbarPosition);
}
