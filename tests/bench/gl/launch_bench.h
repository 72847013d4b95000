// Start-to-first-frame of the saver next to a minimal full-screen OpenGL program.
#pragma once

// Launches `Whirlmark.scr /s`, `gl_bench --minimal` and `gl_bench --minimal-plain` in
// turn, `launches` times each, and prints every time, the medians and the saver's ratio
// to each minimal program.
void MeasureLaunches(int launches);

// The minimal program: a topmost full-screen popup that clears to grey and swaps until
// it is ended; on the saver's own pixel format (gl_bench --minimal) or, with `plain`, on
// the plain double-buffered RGBA format with 16 colour and depth bits, chosen with
// ChoosePixelFormat and nothing else (gl_bench --minimal-plain).
int RunMinimalProgram(bool plain);
