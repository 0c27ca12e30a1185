#include "settings/option_table.h"

int16_t optionValues[kOptionCount];

void setDefaultValues()
{
    for (int16_t& entry : optionValues)
        entry = kNoValue;
    optionValues[optionsPage] = 0;
    optionValues[opacity] = kDefaultOpacity;

    const int offByDefault[] = {blurEnabled, toggleMode,    sizeSmall,     sizeMedium,   sizeExtraLarge,
                                shapeRect,   shapeThinRect, spotlightCtrl, highlightCtrl};
    const int onByDefault[] = {holdMode,     sizeLarge,          shapeCircle,  showOutline,
                               runAtStartup, orphanFlag,         forceTopmost, spotlightModifiers,
                               spotlightAlt, highlightModifiers, highlightAlt};
    for (int key : offByDefault)
        optionValues[key] = 0;
    for (int key : onByDefault)
        optionValues[key] = 1;
    optionValues[spotlightKey] = 120; // F9
    optionValues[highlightKey] = 121; // F10
}

uint32_t colourOption(int redKey, uint32_t fallback)
{
    uint32_t colour = 0;
    for (int channel = 0; channel < 3; ++channel) {
        int16_t value = optionValues[redKey + channel];
        if (value < 0 || value > 255)
            return fallback;
        colour = colour << 8 | uint32_t(value);
    }
    return colour;
}

void setColourOption(int redKey, uint32_t colour, uint32_t fallback)
{
    colour &= 0xFFFFFF;
    for (int channel = 0; channel < 3; ++channel)
        optionValues[redKey + channel] =
            colour == fallback ? kNoValue : int16_t(colour >> (16 - 8 * channel) & 0xFF);
}

PointerShortcut pointerShortcut()
{
    PointerShortcut shortcut = {};
    shortcut.key = optionValues[pointerKey] == kNoValue ? 0 : optionValues[pointerKey];
    shortcut.modifiers = optionValues[pointerModifiers] == kNoValue ? 0 : optionValues[pointerModifiers];
    shortcut.sharesAnother = (shortcut.modifiers == optionValues[spotlightModifiers] &&
                              shortcut.key == optionValues[spotlightKey]) ||
                             (shortcut.modifiers == optionValues[highlightModifiers] &&
                              shortcut.key == optionValues[highlightKey]);
    return shortcut;
}
