// The saver's run mode: what the command line asked the program to do.
#pragma once

#include <cstdint>

enum class RunMode : std::int32_t {
    None = 0,            // unrecognised switch: read the settings and exit
    Configure = 1,       // no switch, or c: the configuration dialog
    ChangePassword = 2,  // a: the system's change-password dialog
    Preview = 3,         // p or l: the saver window as a child of a host window
    FullScreen = 4,      // s: the full-screen saver window
};

// The run mode of this process, fixed once the command line has been parsed.
extern RunMode g_runMode;
