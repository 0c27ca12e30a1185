// Copies between the options window's controls and the settings table.
#pragma once

// Every control of both pages into the table.
void readDialog();
// The table into every control of both pages; ends with optionsPage at 0.
void fillDialog();
// The opacity label: the trackbar position times ten, followed by "% Opaque".
void showOpacityLabel(int position);
