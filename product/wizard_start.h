// What Setup and Uninstall do with their command line before any window opens.
#pragma once

#include "log_file.h"
#include "wizard_options.h"

namespace product {

// The caption of both wizards and of their message boxes.
inline constexpr char kWizardCaption[] = "Whirlmark Setup";

// Shows the usage (/?) or the argument error in a message box (an error in /S ends the
// program without one), and opens the /LOG= file, saying so in a box when it cannot be
// written and the run is not unattended. Then takes the installer lock: when Setup or
// Uninstall already holds it, says "<program> is already running." (in a box unless
// unattended, and in the log) and ends with kExitRefused. True when the program goes
// on; false when it ends here, with `exitCode` set to kExitDone after the usage,
// kExitRefused for a second instance and left as it is otherwise.
// Takes the one mutex of Setup and Uninstall for the rest of the process; false when
// another process holds it.
bool TakeInstallerLock();

bool PrepareRun(const WizardOptions& options, const char* program, bool takesDestination, LogFile& log,
                int& exitCode);

}  // namespace product
