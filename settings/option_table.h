// The one store of every user setting: numbered entries, saved and loaded by number.
#pragma once
#include <cstdint>

#include "res/resource.h"

constexpr int kOptionCount = 2000;
// An entry holding this value has no value: it is left out of the settings file.
constexpr int16_t kNoValue = 9999;
constexpr int16_t kDefaultOpacity = 175;

extern int16_t optionValues[kOptionCount];

// Keys of 1000 and above are the dialog identifiers of the controls that feed them; the
// key lists' entries keep the last registered keys.
enum OptionKey : int {
    optionsPage = 0,
    opacity = 2,
    spotlightModifiers = 54,
    spotlightKey = 55,
    highlightModifiers = 56,
    highlightKey = 57,
    shapeCircle = IDC_SHAPE_CIRCLE,
    shapeThinRect = IDC_SHAPE_THIN_RECT,
    runAtStartup = IDC_RUN_AT_STARTUP,
    orphanFlag = IDC_ORPHAN,
    forceTopmost = IDC_FORCE_TOPMOST,
    sizeMedium = IDC_SIZE_MEDIUM,
    sizeLarge = IDC_SIZE_LARGE,
    holdMode = IDC_HOLD_MODE,
    shapeRect = IDC_SHAPE_RECT,
    toggleMode = IDC_TOGGLE_MODE,
    blurEnabled = IDC_BLUR,
    showOutline = IDC_SHOW_OUTLINE,
    spotlightCtrl = IDC_SPOTLIGHT_CTRL,
    highlightCtrl = IDC_HIGHLIGHT_CTRL,
    spotlightAlt = IDC_SPOTLIGHT_ALT,
    spotlightComboKey = IDC_SPOTLIGHT_KEY_LIST,
    highlightAlt = IDC_HIGHLIGHT_ALT,
    highlightComboKey = IDC_HIGHLIGHT_KEY_LIST,
    sizeExtraLarge = IDC_SIZE_EXTRA_LARGE,
    sizeSmall = IDC_SIZE_SMALL,
};

// A switch counts as on only when it holds exactly 1; 9999, 2 or -1 are all off.
constexpr bool isOn(int value)
{
    return value == 1;
}
inline bool isOptionOn(int key)
{
    return isOn(optionValues[key]);
}

// Puts every entry to its default (9999 where there is none). The options window's
// setDefaults wraps this and moves the opacity trackbar to match.
void setDefaultValues();
