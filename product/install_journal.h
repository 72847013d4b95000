// Setup's journal: one line for each change, written and flushed to the install folder
// before the change is made, and deleted when the list has been carried out or undone.
// A journal that is still there when Setup starts was left by a Setup that was killed;
// it tells that Setup what to put back, newest first. A line cut short by the kill
// belongs to a change that was never made and is passed over. Portable: no <windows.h>.
#pragma once

#include <string>
#include <vector>

#include "change_list.h"

namespace product {

// The journal's file name, in the install folder.
inline constexpr char kJournalFile[] = "Setup.jnl";

struct JournalEntry {
    Change change;  // its kind, target and value name (what it makes is not kept)
    Before before;  // what it replaced, as learned before it was made
};

// The journal line of `change`, ending in CR LF.
std::string JournalLine(const Change& change, const Before& before);

// The entries of a journal's text, oldest first. Reading stops at the first line that is
// not whole or not understood.
std::vector<JournalEntry> ReadJournal(const std::string& text);

}  // namespace product
