// What a user would call "my machine", as one text to compare before Setup and after
// the product's own removal and a restart: the files under C:\ outside windows\, the
// screen savers and system.ini in windows\, the maker's registry keys, both
// Add/Remove Programs entries and the chosen saver with its switch.
#pragma once

#include <string>
#include <vector>

namespace ic {

// The machine as that text, one item a line. Paths listed in `ignore` (files or
// folders, as the test's own scratch files) are left out.
std::string MachineState(const std::vector<std::string>& ignore = {});

// Restarts the prefix as Windows would restart (wineboot -r): files scheduled for the
// restart are moved and removed. False when it did not finish in time.
bool Restart();

}  // namespace ic
