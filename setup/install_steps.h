// Carries out an install plan on this machine: folders, copies, registry values,
// shortcuts and the default-saver entry, in that order, reporting progress and errors
// through a caller-supplied sink. Knows nothing of the wizard, so tests can call it.
#pragma once

#include "install_plan.h"

namespace setup {

// What the install shows the user while it runs.
class InstallFeedback {
public:
    // Moves the progress bar (0 to 100; never backwards).
    virtual void SetProgress(int position) = 0;
    // Shows an error and returns once the user has closed it; the install then goes on.
    virtual void ReportError(const std::string& text) = 0;

protected:
    ~InstallFeedback() = default;
};

// Runs every step of `plan` to the end, whatever fails: the folders, the saver and the
// uninstaller, the documents, the registry values, the shortcuts and, when the plan
// asks for it, the default-saver entry. Progress moves 0, 15, 30, 45, 60, 75, 90, 100.
void CarryOutInstall(const InstallPlan& plan, InstallFeedback& feedback);

// MakeInstallPlan with the double-byte rules of this machine's ANSI code page.
InstallPlan PlanForThisMachine(const InstallChoices& choices);

}  // namespace setup
