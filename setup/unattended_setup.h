// Setup.exe /S: the install with the defaults (or /D=) and no window.
#pragma once

#include "log_file.h"
#include "wizard_options.h"

// Checks, then installs; every step and refusal goes to `log`. Returns the exit code:
// kExitRefused before anything changes (relative destination, not enough space, a
// foreign item in the way), else kExitDone or kExitFailed.
int RunUnattendedSetup(const product::WizardOptions& options, product::LogFile& log);

// The Start menu's Programs folder for this Windows family, without a trailing "\";
// "" when it cannot be found.
std::string FindProgramsFolder(int platform);

// The install folder the wizard offers first.
inline constexpr char kDefaultInstallDir[] = "C:\\Program Files\\Whirlmark\\";
