// Resource ids of Uninstall (also read by windres).
#pragma once

#include "wizard_ids.h"

#define IDB_SIDEBAR 138
#define IDD_START_COPY 141
