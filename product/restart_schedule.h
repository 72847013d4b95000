// Changes the system makes at its next start, for files in use now: a file or empty
// folder removed, or a new copy moved over a file. The NT family keeps them in
// PendingFileRenameOperations (MoveFileExA, looked up at run time), the Windows 95
// family in wininit.ini's [rename] section.
#pragma once

#include <string>

namespace product {

// Whether this is the NT family.
bool IsNtFamily();

// Removes `path` (a file or an empty folder) at the next restart; false when it could
// not be scheduled.
bool ScheduleRemoval(const std::string& path);

// Moves `from` over `to` at the next restart, replacing it; false when it could not be
// scheduled.
bool ScheduleReplacement(const std::string& from, const std::string& to);

// Whether a removal of `path` itself is scheduled for the next restart.
bool RemovalScheduled(const std::string& path);

// Drops every removal scheduled for `path` (or for a path inside it, when it is a
// folder) by an earlier run; true when nothing for it is left scheduled.
bool CancelScheduledRemovals(const std::string& path);

// Drops a replacement scheduled with `from` as its new copy; true when none is left.
bool CancelScheduledReplacement(const std::string& from);

}  // namespace product
