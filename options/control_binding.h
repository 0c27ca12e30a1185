// Copies between the options window's controls and the settings table.
#pragma once

void readDialog();
void fillDialog();
