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

// What a full-screen run shows at tick 3 and how many ticks ran after a key was pressed
// then: a saver that still closes on a key ends well before tick 12.
struct KeyClosedRun {
    Picture picture;
    int ticks = 0;
};
KeyClosedRun RunUntilAKey(SaverSettings& settings);

// The last frame of the running saver window, read from its context.
Picture ReadSaverWindow();

// A visible top-level window of width x height that hosts a preview.
HWND CreatePreviewHost(int width, int height);

// Everything passed to OutputDebugStringA since the process started.
std::string Traces();

}  // namespace scene_run
