// Resource ids of the configuration dialog (its strings are in resource.h). Plain #defines: the resource
// compiler reads this file too.
#pragma once

#define IDD_CONFIG 104

#define IDC_INTERACTIVE 1004
#define IDC_SHOW_BACKGROUND 1008
#define IDC_KEYS_LEFT 1010
#define IDC_KEYS_RIGHT 1011
#define IDC_SIZE_SMALL 1013
#define IDC_SIZE_MEDIUM 1014
#define IDC_SIZE_LARGE 1015
#define IDC_SPEED_X 1021
#define IDC_SPEED_Z 1022
#define IDC_SPEED_Y 1023
#define IDC_SPEED_X_VALUE 1024
#define IDC_SPEED_Y_VALUE 1025
#define IDC_SPEED_Z_VALUE 1026
#define IDC_SAMPLE_NOTE 1028
#define IDC_LINK_NOTE 1029
#define IDC_BACK_TEXTURE 1030
#define IDC_ICON_TEXTURE 1031
