// Copies between the options window's controls and the settings table.
#pragma once

// Every bound control of both pages into the table.
void readDialog();
// The table into every bound control of both pages; ends with optionsPage at 0.
void fillDialog();
// The opacity label: the trackbar position times ten, followed by "% Opaque".
void showOpacityLabel(int position);

// The defaults into the table, and the opacity trackbar to the defaults' position, which
// it keeps until fillDialog gives it its range. Without the options window only the
// table changes.
void setDefaults();
