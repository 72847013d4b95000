// Resource ids of Setup (also read by windres).
#pragma once

#include "wizard_ids.h"

#define IDD_WELCOME 131
#define IDD_DESTINATION 133
#define IDD_LICENSE 135
#define IDD_PROGRAM_FOLDER 136
#define IDD_START_COPY 137
#define IDD_EXTRA_OPTIONS 140
#define IDB_SIDEBAR 142

#define IDC_LICENSE_TEXT 1003
#define IDC_PROGRAM_FOLDER 1003
#define IDC_SPACE_WARNING 1005
#define IDC_BROWSE 1007
#define IDC_DEST_FOLDER 1008
#define IDC_FOLDER_LIST 1010
#define IDC_DEFAULT_SAVER 1011
