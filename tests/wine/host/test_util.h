// Helpers of the dialog, link and preview-host tests: pointer input as a user makes it,
// pixels on the screen, message boxes of other processes, waiting for a condition.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace dt {

// Moves the pointer to screen position (x, y) with SendInput.
void MovePointer(int x, int y);
// Presses or releases the left button where the pointer is.
void PressLeft();
void ReleaseLeft();
// Moves there, presses and releases.
void ClickAt(int x, int y);

// Centre of a window, in screen coordinates.
POINT Centre(HWND window);

// Counts the pixels of `screenRect` whose colour lies within `tolerance` (per channel) of
// `colour`, as the screen shows them.
int CountColour(const RECT& screenRect, COLORREF colour, int tolerance = 20);

// Calls `done` every 10 ms, pumping this thread's messages, until it returns true or ms
// have passed. Returns the last result.
bool WaitUntil(const std::function<bool()>& done, DWORD ms);

// The text of a message box: its static controls' texts joined.
std::string MessageBoxText(HWND box);

// Closes a message box with its OK (or Cancel) button.
void AnswerMessageBox(HWND box);

// Whether any visible top-level dialog-class window titled `title` belongs to `pid`.
bool HasMessageBox(DWORD pid, const char* title);

// A new empty folder under the temp folder, with a trailing backslash.
std::string NewTempFolder();

// Saves the part `area` of the screen (screen coordinates) as build/screenshots/<name>.png
// (beside the build trees). False when no picture came.
bool Screenshot(const std::string& name, const RECT& area);

// Reads a whole file; empty when it cannot be read.
std::string ReadFileText(const std::string& path);

}  // namespace dt
