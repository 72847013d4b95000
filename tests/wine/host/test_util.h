// Helpers of the dialog, link and preview-host tests: pointer input as a user makes it,
// pixels on the screen, message boxes of other processes, waiting for a condition.
#pragma once

#include <windows.h>

#include <string>

#include "wine_test.h"

namespace dt {

// Waiting, message boxes and screenshots as every Windows test has them.
using wt::AnswerMessageBox;
using wt::MessageBoxText;
using wt::Screenshot;
using wt::WaitUntil;

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

// Whether any visible top-level dialog-class window titled `title` belongs to `pid`.
bool HasMessageBox(DWORD pid, const char* title);

// A new empty folder under the temp folder, with a trailing backslash.
std::string NewTempFolder();

// Reads a whole file; empty when it cannot be read.
std::string ReadFileText(const std::string& path);

}  // namespace dt
