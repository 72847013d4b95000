// Loads the logo model from the saver's own resources (Win32 glue over ReadModel).
#pragma once

#include "model.h"

#include <windows.h>

// The model's resource: type "MODEL", this id.
constexpr int MODEL_RESOURCE_ID = 125;

// Reads resource "MODEL" resourceId of module instance into model (empty on entry) and
// computes its normals. Returns true after a complete read. A missing resource or data
// that is not a 3DS model is traced to the debugger and leaves the model empty; damaged
// data keeps what was read before the damage; a file version above 3 is traced and the
// model still loads. Nothing is shown on screen.
bool ImportModel(Model& model, int resourceId, HINSTANCE instance);
