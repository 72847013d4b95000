// Start-to-first-frame of the saver next to a minimal full-screen OpenGL program.
#pragma once

// Launches `Whirlmark.scr /s` and `gl_bench --minimal` alternately, `launches` times
// each, and prints every time, both medians and their ratio.
void MeasureLaunches(int launches);

// The minimal program (gl_bench --minimal): a topmost full-screen popup with the saver's
// pixel format that clears to grey and swaps until it is ended.
int RunMinimalProgram();
