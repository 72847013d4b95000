// Carries out an install plan on this machine: folders, copies, registry values, the
// Add/Remove Programs entry, shortcuts, the default-saver entry and the install record,
// in that order. Each step's result goes to a step log; errors the user must see go
// through a caller-supplied sink. Knows nothing of the wizard, so tests can call it.
#pragma once

#include <cstdint>

#include "change_list.h"
#include "install_plan.h"
#include "install_record.h"
#include "step_log.h"

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

// What the install needs besides the plan.
struct InstallContext {
    // The record an earlier install left in the install folder, or null: what it lists
    // stays listed, and the screen saver it replaced stays the one to put back.
    const product::InstallRecord* previous = nullptr;
    std::string displayVersion = "1.0.0.1";  // for Add/Remove Programs
    std::uint64_t installedBytes = 0;        // the medium's files, for Add/Remove Programs
    std::string productLink;                 // for Add/Remove Programs
};

// Carries out `plan` as a list of undoable changes (install_changes.h) on this machine,
// logging each in `log`: the folder and the files of the install folder, the record, the
// Add/Remove Programs entry, the saver, the product key, the shortcuts and the
// default-saver entry. When one fails its error is reported (a copy: "Error while
// copying to %s"; the registry: "error writing to registry"), then everything made is
// undone, newest first. Progress moves 0, 15, 30, 45, 60, 75, 90 and, when every
// change was made, 100. Returns what happened; the exit code from it is InstallExitCode.
product::ChangeOutcome CarryOutInstall(const InstallPlan& plan, InstallFeedback& feedback, product::StepLog& log,
                                       const InstallContext& context = {});
// The same with a log that keeps nothing.
product::ChangeOutcome CarryOutInstall(const InstallPlan& plan, InstallFeedback& feedback);

// kExitDone, kExitRestartNeeded, or kExitFailed for a list that was undone.
int InstallExitCode(const product::ChangeOutcome& outcome);

// MakeInstallPlan with the double-byte rules of this machine's ANSI code page.
InstallPlan PlanForThisMachine(const InstallChoices& choices);

}  // namespace setup
