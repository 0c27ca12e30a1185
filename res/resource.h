// Identifiers shared by the resource script and the code.
#pragma once

#define IDI_APP_ICON 1
#define IDB_PLUS 143

// Dialog templates: the options window and its two pages.
#define IDD_OPTIONS 129
#define IDD_MAIN_PAGE 9
#define IDD_MISC_PAGE 131

// Controls of the options window.
#define IDC_TAB_CONTROL 1002
#define IDC_OK_BUTTON 1003
#define IDC_CANCEL_BUTTON 1004
#define IDC_RESTORE_DEFAULTS 1005

// Controls of the "Main" page. Settings entries carry the identifier of the control
// that feeds them, so these double as keys of the settings table.
#define IDC_SHAPE_CIRCLE 1007
#define IDC_SHAPE_THIN_RECT 1008
#define IDC_SHAPE_RECT 1019
#define IDC_SIZE_SMALL 1211
#define IDC_SIZE_MEDIUM 1012
#define IDC_SIZE_LARGE 1013
#define IDC_SIZE_EXTRA_LARGE 1125
#define IDC_BLUR 1022
#define IDC_SHOW_OUTLINE 1033
#define IDC_OPACITY_TRACKBAR 1017
#define IDC_OPACITY_LABEL 1014
#define IDC_OPACITY_CAPTION 1016
#define IDC_HIGHLIGHT_NOTE 1045
#define IDC_DIM_COLOUR 1070

// Controls of the "Misc" page. No control bears 1010: its settings entry is an orphan.
#define IDC_RUN_AT_STARTUP 1009
#define IDC_ORPHAN 1010
#define IDC_FORCE_TOPMOST 1011
#define IDC_HOLD_MODE 1018
#define IDC_TOGGLE_MODE 1020
#define IDC_VERSION_LABEL 1046
#define IDC_SPOTLIGHT_LABEL 1047
#define IDC_HIGHLIGHT_LABEL 1049
#define IDC_SPOTLIGHT_CTRL 1064
#define IDC_HIGHLIGHT_CTRL 1065
#define IDC_SPOTLIGHT_ALT 1066
#define IDC_SPOTLIGHT_KEY_LIST 1067
#define IDC_HIGHLIGHT_ALT 1068
#define IDC_HIGHLIGHT_KEY_LIST 1069
// The laser pointer's row feeds entries 58 and 59, not entries of its own identifiers.
#define IDC_POINTER_CTRL 1072
#define IDC_POINTER_ALT 1073
#define IDC_POINTER_KEY_LIST 1074
#define IDC_POINTER_COLOUR 1075

#define IDC_NONE (-1)
