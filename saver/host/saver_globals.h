// Program-wide state of the saver process that the Win32 parts share: the module
// instance, the run mode and the one settings object.
#pragma once

#include <windows.h>

#include <type_traits>

#include "run_mode.h"
#include "settings.h"

// The module instance passed to WinMain: window class, dialog and resources.
extern HINSTANCE g_instance;

// The saver window of this run, or null (same as g_settings->window once created).
inline HWND SaverWindow() { return g_settings ? g_settings->window : nullptr; }

static_assert(std::is_same<HWND, HWND__*>::value, "settings.h declares the window as HWND__*");
