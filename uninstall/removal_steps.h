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
    bool filesInUse = false;      // files of ours in use go at the next restart: a restart is needed
};

// Runs every step, logging each in `log`: the saver and the install folder's files, the
// product's keys (level by level, only where no other keys are left, and the maker's
// key only when this product made it and it is empty), the shortcuts and the program
// folder, and the system.ini entry: put back exactly as it was before the first install
// (no entry, an empty one or a saver that is still there), or cleared when nothing is
// known of it, when it names the product's saver. Only when all of that worked are the
// Add/Remove Programs entry (in both places) and the record deleted and the install
// folder removed. Files lose their read-only attribute before they are deleted; a
// missing item counts as removed, a folder that is not empty stays and is noted. This
// program's own file, and any file of ours in use, is removed at the next restart, and
// so is a folder that holds nothing else. Progress moves 0, 30, 90, 100.
RemovalOutcome CarryOutRemoval(const Removal& removal, RemovalFeedback& feedback, product::StepLog& log);

// The removal of an install made without a record, with a log that keeps nothing.
void CarryOutRemoval(const RemovalPlan& plan, RemovalFeedback& feedback);

}  // namespace uninstall
