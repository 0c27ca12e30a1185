#include "options/control_binding.h"

#include "settings/option_table.h"

void readDialog() {}
void fillDialog()
{
    optionValues[optionsPage] = 0;
}
