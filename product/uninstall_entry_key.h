// Taking the Add/Remove Programs entry out of one registry root, for Uninstall and for
// Setup (an entry an earlier install left in the other root).
#pragma once

#include <windows.h>

namespace product {

enum class EntryRemoval {
    Gone,     // deleted, or there was none
    Emptied,  // other programs' keys lie below it: only its values were deleted
    Failed,
};

// Deletes the entry's key under `root` when no key lies below it; the Windows 95
// family's RegDeleteKeyA would take such keys with it. Otherwise deletes its values, so
// that Add/Remove Programs no longer lists it, and keeps the key.
EntryRemoval RemoveUninstallEntry(HKEY root);

}  // namespace product
