// Whether anybody can see the saver: the display may be off, the session locked or
// disconnected. The loop draws nothing while nobody can, and only waits for messages.
#pragma once

#include <windows.h>

// Asks for the notifications that say so for `window`: the console display's power state
// (RegisterPowerSettingNotification, Vista on) and the session's changes
// (WTSRegisterSessionNotification, XP on). Both are looked up at run time; where either
// is missing, the messages that still come (SC_MONITORPOWER) are what the saver goes by.
void WatchVisibility(HWND window);

// Cancels what WatchVisibility asked for; call before the window is destroyed.
void StopWatchingVisibility();

// Takes note of a message of the saver window: SC_MONITORPOWER, a power-setting
// notification for the display, a session change, or input (which turns the display
// back on). Returns true for a WM_POWERBROADCAST power-setting notification it has
// handled, which the window procedure answers with TRUE.
bool NoteVisibilityMessage(UINT message, WPARAM wParam, LPARAM lParam);

// True while the display is off or the session is locked or disconnected.
bool NobodyCanSee();
