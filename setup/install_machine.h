// This machine as a change list sees it: one small function per kind of change to
// inspect, make, put back and commit it (files, folders, registry keys and values,
// shortcuts, the system.ini entry and the screen-saver switch).
#pragma once

#include "change_list.h"

namespace setup {

class Win32Machine : public product::Machine {
public:
    bool Inspect(const product::Change& change, product::Before& before) override;
    bool Apply(const product::Change& change, product::Before& before) override;
    bool Revert(const product::Change& change, const product::Before& before) override;
    bool Commit(const product::Change& change, const product::Before& before) override;
};

// Puts back `change` as a killed Setup's journal lists it with what it replaced: the
// change may have been made, in part, or not at all.
bool UndoInterrupted(const product::Change& change, const product::Before& before);

// The machine the install runs on: this one, or in a test build one that fails change
// number N (counting from 1) when WHIRL_TEST_FAIL_AT=N, or ends the process with exit
// code 9 right after change N when WHIRL_TEST_STOP_AFTER=N.
product::Machine& InstallMachine();

// The screen-saver switch as the desktop settings hold it, or the system's answer when
// they hold no value.
bool ScreenSaverSwitchedOn();
// Whether the desktop settings hold the switch at all.
bool ScreenSaverSwitchStored();
// Whether system.ini has a [boot] section, and an SCRNSAVE.EXE entry in it.
bool BootSectionExists();
bool SaverEntryExists();

}  // namespace setup
