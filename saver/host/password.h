// The system's screen-saver password components (Windows 95 family): the prompt asked
// before the saver closes, and the change-password dialog of the /a switch.
#pragma once

#include <windows.h>

// Returns nonzero when the saver may close. On the NT family, and when the prompt
// component is missing, closing is allowed without asking; otherwise the system's
// prompt, owned by `window`, decides.
int VerifyPassword(HWND window);

// Shows the system's change-password dialog for the screen-saver password, owned by
// `parent` (which may be null). Does nothing when the component is missing.
void ChangeSaverPassword(HWND parent);
