// The real saver window and scene run inside a test process, as the host would run them:
// a step function is called between frames with the saver's context current, and the
// saver's debugger traces are kept for the test to read.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "picture.h"
#include "run_mode.h"
#include "settings.h"

namespace scene_run {

// Runs the saver window of `mode` with `settings`, calling `step` every 300 ms on the
// saver's thread (ticks 1, 2, ...) until it returns false, or until the saver ends by
// itself. Returns the number of ticks that ran.
int RunSaver(RunMode mode, HWND parent, SaverSettings& settings, std::function<bool(int tick)> step);

// The last frame of the running saver window, read from its context.
Picture ReadSaverWindow();

// A visible top-level window of width x height that hosts a preview.
HWND CreatePreviewHost(int width, int height);

// Everything passed to OutputDebugStringA since the process started.
std::string Traces();

}  // namespace scene_run
