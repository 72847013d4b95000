// The command line of Setup.exe and Uninstall.exe, in the conventions scripts use:
//   /S             unattended: no window, the defaults, the result in the exit code
//   /LOG=<file>    one line per step with its result
//   /D=<folder>    Setup only: the install folder; must come last, may hold spaces unquoted
//   /?             the usage in a message box
// Switches are case-insensitive. Portable: no <windows.h>.
#pragma once

#include <string>

namespace product {

struct WizardOptions {
    bool silent = false;
    bool usage = false;
    std::string logFile;      // empty: no log
    std::string destination;  // empty: the default install folder
    std::string error;        // not empty: the command line is wrong, and this says why
};

// The arguments of a whole command line as GetCommandLineA gives it: what follows the
// program's name, which may be quoted.
std::string ArgumentsOf(const std::string& commandLine);

// Reads `arguments`. `takesDestination` allows /D= (Setup); an unknown switch, a stray
// word, an empty /LOG= or /D=, or /D= where it is not allowed sets `error`.
WizardOptions ParseWizardOptions(const std::string& arguments, bool takesDestination);

// The usage text shown by /?, for "Setup" or "Uninstall".
std::string UsageText(const std::string& program, bool takesDestination);

// Exit codes: done; failed part-way (the record says what was done); refused before
// anything changed (platform, bad arguments, not enough space, foreign files, Cancel).
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitRefused = 2;
// Done, but a file in use is replaced or removed when Windows next restarts
// (ERROR_SUCCESS_REBOOT_REQUIRED).
inline constexpr int kExitRestartNeeded = 3010;

}  // namespace product
