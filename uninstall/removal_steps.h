// Carries out a removal plan on this machine: files, install folder, registry keys,
// shortcuts, program folder and the default-saver entry, in that order, reporting
// progress through a caller-supplied sink. Knows nothing of the wizard.
#pragma once

#include "removal_plan.h"

namespace uninstall {

class RemovalFeedback {
public:
    // Moves the progress bar (0 to 100; never backwards).
    virtual void SetProgress(int position) = 0;

protected:
    ~RemovalFeedback() = default;
};

// Runs every step of `plan` to the end; nothing that fails is reported. Progress moves
// 0, 30, 90, 100. The system.ini entry is cleared only when it names the product's saver.
void CarryOutRemoval(const RemovalPlan& plan, RemovalFeedback& feedback);

}  // namespace uninstall
