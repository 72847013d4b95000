// An install as a list of undoable changes: each change names what it makes or sets,
// the machine learns what it replaces before it acts, and the executor undoes what was
// done, newest first, when a later change fails. A file that is replaced is kept aside
// until the whole list has succeeded. Portable: no <windows.h>; the machine's Win32 side
// is one small function per kind of change.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "step_log.h"

namespace product {

enum class ChangeKind {
    MakeFolder,     // target: the folder, without its "\"
    CopyFrom,       // target: destination; data: source
    WriteFile,      // target: the file; data: its bytes (written whole, then moved into place)
    MakeShortcut,   // target: the link; data: what it opens; name: its description
    MakeKey,        // target: "HKCU\..." or "HKLM\..." (its parent exists)
    SetText,        // target: the key; name: the value; data: REG_SZ text
    SetNumber,      // target: the key; name: the value; number: REG_DWORD
    SelectSaver,    // target: the saver file; the system.ini entry becomes its short form
    SetSaverSwitch, // number: 1 switches the screen saver on, 0 off
};

struct Change {
    ChangeKind kind;
    std::string target;
    std::string data;
    std::string name;
    std::uint32_t number = 0;
    int progress = -1;  // the progress bar moves here before this change; -1: it stays
};

// What a change replaced, learned before it was made: enough to put it back.
struct Before {
    bool existed = false;  // the file, folder, key, value or entry was there
    std::string aside;     // a replaced file, renamed to this until the list succeeds
    std::string data;      // a replaced value's bytes, or entry's text
    std::uint32_t type = 0;
    std::uint32_t number = 0;
    bool scheduled = false;  // the file was in use: the new copy goes in at the next restart
};

// The machine a change list is carried out on.
class Machine {
public:
    // What `change` would replace. False when that cannot be learned (the change is then
    // not made).
    virtual bool Inspect(const Change& change, Before& before) = 0;
    // Makes the change; may fill in `before.aside` or `before.scheduled`. False on failure,
    // with nothing changed.
    virtual bool Apply(const Change& change, Before& before) = 0;
    // Puts back what the change replaced. False when that failed.
    virtual bool Revert(const Change& change, const Before& before) = 0;
    // The whole list succeeded: drops what was kept aside for `change`. True when some of
    // it is in use and goes only at the next restart.
    virtual bool Commit(const Change& change, const Before& before) = 0;

protected:
    ~Machine() = default;
};

// The log line of a change ("copy A to B", "create folder C:\X"...).
std::string Describe(const Change& change);

struct ChangeOutcome {
    bool done = false;                   // every change was made
    std::string failed;                  // the change that failed, described
    std::vector<std::string> notUndone;  // changes that could not be put back, described
    bool restartNeeded = false;          // a file in use is replaced at the next restart
};

// Carries out `changes` in order on `machine`, logging each in `log`. When one fails,
// the ones made are reverted newest first ("undone  ..." lines, or failures) and the
// outcome says what could not be. When all succeed each is committed. `progress`, when
// set, receives each change's progress mark.
ChangeOutcome CarryOut(const std::vector<Change>& changes, Machine& machine, StepLog& log,
                       const std::function<void(int)>& progress = {});

// The closing lines of a failed install, for the completion page and the log: that the
// installation failed and the machine was left as it was, or what could not be undone.
std::string FailureSummary(const ChangeOutcome& outcome);

}  // namespace product
