// An installation that is already on the machine when Setup runs: where it is (its
// record beside Uninstall.exe, found through the Add/Remove Programs entry or the
// product key), and what becomes of it once a new install has succeeded: moved away
// from when the new one is in another folder, and no longer removed at the next restart
// where an earlier Uninstall scheduled that for paths installed again.
#pragma once

#include <optional>
#include <string>

#include "install_plan.h"
#include "install_record.h"
#include "step_log.h"

namespace setup {

struct PreviousInstall {
    std::string folder;  // ends with "\"
    product::InstallRecord record;
};

// The installation the entry's InstallLocation (HKLM, then HKCU) or the product key's
// "DataRoot" names, when that folder holds a record; none otherwise.
std::optional<PreviousInstall> FindPreviousInstall();

// After a successful install of `plan`: removes what the installation in another folder
// left that the new one does not use (its files and record, the folder levels it made
// when empty, its shortcuts in another program folder), takes an entry in the other
// registry root than the new record names out of it (with or without a `previous`),
// and drops removals scheduled for the next restart on the paths `plan` installs. Each
// step is logged; none of them fails the install.
void FinishOverPrevious(const InstallPlan& plan, const std::optional<PreviousInstall>& previous,
                        product::StepLog& log);

}  // namespace setup
