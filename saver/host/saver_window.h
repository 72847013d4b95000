// The saver window (full screen or preview child), its message loop and close rules.
#pragma once

#include <windows.h>

// The whole life of the saver window in the current run mode (FullScreen or Preview,
// as the child of `parent`): registers "ScrClass", creates the window, starts the
// scene, runs the loop, then saves the settings and shuts the scene down. Returns at
// once, doing nothing else, when the window cannot be created (a Preview without a
// usable parent).
void RunSaverWindow(HWND parent);

// Window procedure of "ScrClass".
LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Dispatches messages until WM_QUIT, rendering a frame whenever the queue is empty and
// the next frame is due: frames are paced to the display's refresh rate (60 Hz when it
// does not say), at most 30 a second in the preview, and fewer when they cost more
// processor time than the budget allows (FrameBudget), waiting so that input is still
// answered at once. Draws nothing, and only waits for messages, while nobody can see the
// saver or the preview box has no area; ends the preview when its host window is gone.
void PumpMessages();
