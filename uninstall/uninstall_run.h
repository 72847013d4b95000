// The removal as Next on the start-copy page and Uninstall.exe /S start it.
#pragma once

#include "install_location.h"
#include "log_file.h"
#include "removal_steps.h"
#include "wizard_options.h"

namespace uninstall {

// Removes the install found at `where`: narrowed to its record when it has one, else
// the fixed table at the recorded locations. Returns the exit code.
int RunRemoval(const InstallLocation& where, RemovalFeedback& feedback, product::StepLog& log,
               RemovalOutcome& outcome);

// Uninstall.exe /S: kExitRefused, with nothing changed, when no install is found;
// otherwise the removal's exit code.
int RunUnattendedUninstall(product::LogFile& file);

// What the completion page and the log say about what goes at the next restart; "" for nothing.
std::string RestartNote(const RemovalOutcome& outcome);

// The folder that holds this program, ending with "\".
std::string ModuleFolder();

}  // namespace uninstall
