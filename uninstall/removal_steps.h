// Carries out a removal on this machine: files, install folder, registry keys, the
// Add/Remove Programs entry, shortcuts, program folder and the default-saver entry, in
// that order, each step's result in a step log. Knows nothing of the wizard.
#pragma once

#include "recorded_removal.h"
#include "step_log.h"

namespace uninstall {

class RemovalFeedback {
public:
    // Moves the progress bar (0 to 100; never backwards).
    virtual void SetProgress(int position) = 0;

protected:
    ~RemovalFeedback() = default;
};

// A whole removal: the steps, and what they need to know besides.
struct Removal {
    RecordedRemoval steps;                        // the plan and the created folder levels
    const product::InstallRecord* record = nullptr;  // null: an install made without one
    std::string recordFile;                       // the record to delete; "" for none
    std::string saverForEntry;                    // the saver path the system.ini entry may name
    std::string selfPath;                         // this program's file, removed at the next restart
};

// What a removal left for later.
struct RemovalOutcome {
    bool restartPending = false;  // this program's file goes at the next restart
    bool folderPending = false;   // and so does its folder
};

// Runs every step to the end, logging each in `log`. Files lose their read-only
// attribute before they are deleted; a missing item counts as removed, a folder that is
// not empty stays and is noted. This program's own file cannot be deleted while it
// runs: it is scheduled for removal at the next restart, and so is its folder when
// nothing else is left in it. The Add/Remove Programs entry is deleted where the record
// says it is, or in both places without a record. The system.ini entry is put back to
// the saver Setup replaced, or cleared, when it names the product's saver. Progress
// moves 0, 30, 90, 100.
RemovalOutcome CarryOutRemoval(const Removal& removal, RemovalFeedback& feedback, product::StepLog& log);

// The removal of an install made without a record, with a log that keeps nothing.
void CarryOutRemoval(const RemovalPlan& plan, RemovalFeedback& feedback);

}  // namespace uninstall
