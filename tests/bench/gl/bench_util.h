// What the drawing benchmark's parts share: a clock, a message pump, the full-screen
// window every measured program opens, the saver's own OpenGL context on it, and medians.
#pragma once

#include <windows.h>

#include <vector>

// Seconds on the performance counter.
double Now();

// Dispatches every message waiting for this thread.
void Pump();

// A visible topmost popup over the primary screen, as the saver opens it, of a class
// with DefWindowProc and a black background.
HWND CreateFullScreenWindow(const char* title);

// Makes the saver's own OpenGL context (its pixel format included) current on `window`
// through the saver host's settings, so every measured program draws on the same format.
// ReleaseSaverContext gives it back.
void UseSaverContext(HWND window);
void ReleaseSaverContext();

// A context made current on `dc` with the plain pixel format (double-buffered RGBA, 16
// colour and depth bits), chosen with ChoosePixelFormat and nothing else.
HGLRC UsePlainContext(HDC dc);

// The median of `values`; 0 for none.
double Median(std::vector<double> values);
