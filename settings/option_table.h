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
    // Added later, fed by no control of their own: absent (9999) is how Orbiqa behaved before
    // them, so an older settings file, a first run and Restore Defaults keep that behaviour.
    pointerModifiers = 58, // the laser pointer's shortcut; no key means no shortcut
    pointerKey = 59,
    dimRed = 60, // the dim colour, one entry per channel: black unless all three hold 0..255
    dimGreen = 61,
    dimBlue = 62,
    pointerRed = 63, // the laser pointer's colour: red unless all three hold 0..255
    pointerGreen = 64,
    pointerBlue = 65,
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

// Colours are 0xRRGGBB.
constexpr uint32_t kDefaultDimColour = 0x000000;
constexpr uint32_t kDefaultPointerColour = 0xFF0000;

// The colour kept in redKey and the two entries after it; the fallback unless all three
// hold 0..255, so a hand-edited half of a colour never gives a strange one.
uint32_t colourOption(int redKey, uint32_t fallback);
// The fallback itself leaves the three entries absent, as a user who never chose one has them.
void setColourOption(int redKey, uint32_t colour, uint32_t fallback);
inline uint32_t dimColour()
{
    return colourOption(dimRed, kDefaultDimColour);
}
inline uint32_t pointerColour()
{
    return colourOption(pointerRed, kDefaultPointerColour);
}

// The laser pointer's shortcut as the table holds it: key 0 while none is set, modifiers 0
// while absent. One equal to the spotlight's or the highlight's combination (a hand-edited
// file may make it so) stays theirs: sharesAnother says so.
struct PointerShortcut {
    int16_t modifiers, key;
    bool sharesAnother;
};
PointerShortcut pointerShortcut();

// Puts every entry to its default (9999 where there is none). The options window's
// setDefaults wraps this and moves the opacity trackbar to match.
void setDefaultValues();
