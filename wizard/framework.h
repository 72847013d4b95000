// The wizard framework in one include: application, windows and controls, GDI owners,
// files, property sheets and the pages' shared behaviour.
#pragma once

#include "ansi_string.h"
#include "app.h"
#include "complete_page.h"
#include "file.h"
#include "gdi.h"
#include "path_rules.h"
#include "progress_page.h"
#include "property_sheet.h"
#include "window.h"
#include "wizard_ids.h"
#include "wizard_page.h"
#include "wizard_sheet.h"
