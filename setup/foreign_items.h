// Which items in the way of an install are someone else's. An item of the fixed install
// table that already exists is foreign unless the install record lists it or it is
// plainly ours: a file with the medium's bytes, a fixed name at the locations an older
// install recorded in the product key, a saver whose version resource names our
// company, a shortcut that points into the install folder. Setup never overwrites a
// foreign item. Portable: no <windows.h>; the Win32 side supplies the facts.
#pragma once

#include <string>
#include <vector>

#include "ansi_chars.h"

namespace setup {

struct ItemInTheWay {
    std::string path;          // where the table puts the item
    bool exists = false;       // something is there now
    bool recorded = false;     // the install record there lists it as ours
    bool plainlyOurs = false;  // one of the tests above says it is ours
};

// The first foreign item of `items`, or null.
const ItemInTheWay* FirstForeign(const std::vector<ItemInTheWay>& items);

// Whether `path` is a fixed name at one of the locations an older install recorded
// ("DataRoot", "ProgramFolder"; empty ones match nothing). `isLeadByte` as in
// folder_paths.h.
bool AtRecordedLocation(const std::string& path, const std::string& dataRoot,
                        const std::string& programFolder, product::LeadByteTest isLeadByte);

// The message that keeps the user on the page: it names the file.
std::string ForeignItemMessage(const std::string& path);

}  // namespace setup
