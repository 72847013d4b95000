// The removal for an install that left a record: the fixed table's removal plan for the
// record's locations, narrowed to the items the record says Setup created, with the
// folder levels Setup made, and what becomes of the screen-saver setting. Nothing the
// record says can add a path outside the fixed table. Portable: no <windows.h>.
#pragma once

#include <string>
#include <vector>

#include "install_record.h"
#include "removal_plan.h"

namespace uninstall {

struct RecordedRemoval {
    RemovalPlan plan;                          // only recorded items; folders only if created
    std::vector<std::string> installParents;   // created levels above the install folder, deepest first
    std::vector<std::string> programParents;   // created levels above the program folder, deepest first
};

// `installDir` is the folder the record was found in; `systemDirs` are the folders the
// saver may be in (the system directory first), each ending with "\". The record's
// program folder is used when it is absolute; its saver path when it lies directly in
// one of `systemDirs`. Paths are walked as MakeRemovalPlan walks them.
RecordedRemoval MakeRecordedRemoval(const product::InstallRecord& record, const std::string& installDir,
                                    const std::vector<std::string>& systemDirs,
                                    product::LeadByteTest isLeadByte);

// What Uninstall does with the system.ini entry: leave it (it names another saver),
// clear it, or put back exactly what Setup replaced, which needs the record to have
// kept it and `previousFileExists`: the saver named is still there, or there was none.
enum class SaverReset { Leave, Clear, Restore };
SaverReset DecideSaverReset(bool entryNamesOurs, const product::InstallRecord* record,
                            bool previousFileExists);

}  // namespace uninstall
