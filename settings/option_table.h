// The one store of every user setting: numbered entries, saved and loaded by number.
#pragma once
#include <cstdint>

constexpr int kOptionCount = 2000;
// An entry holding this value has no value: it is left out of the settings file.
constexpr int16_t kNoValue = 9999;

extern int16_t optionValues[kOptionCount];

// Keys of 1000 and above are the dialog identifiers of the controls that feed them.
enum OptionKey : int {
    optionsPage = 0,
    opacity = 2,
    spotlightModifiers = 54,
    spotlightKey = 55,
    highlightModifiers = 56,
    highlightKey = 57,
    shapeCircle = 1007,
    shapeThinRect = 1008,
    runAtStartup = 1009,
    orphanFlag = 1010,
    forceTopmost = 1011,
    sizeMedium = 1012,
    sizeLarge = 1013,
    holdMode = 1018,
    shapeRect = 1019,
    toggleMode = 1020,
    blurEnabled = 1022,
    showOutline = 1033,
    spotlightCtrl = 1064,
    highlightCtrl = 1065,
    spotlightAlt = 1066,
    spotlightComboKey = 1067,
    highlightAlt = 1068,
    highlightComboKey = 1069,
    sizeExtraLarge = 1125,
    sizeSmall = 1211,
};

// A switch counts as on only when it holds exactly 1; 9999, 2 or -1 are all off.
inline bool isOptionOn(int key)
{
    return optionValues[key] == 1;
}

// Puts every entry to its default (9999 where there is none). The options window's
// setDefaults wraps this and moves the opacity trackbar to match.
void setDefaultValues();
