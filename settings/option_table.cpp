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
