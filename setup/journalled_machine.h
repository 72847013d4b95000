// Setup's journal on this machine (install_journal.h): kept in the install folder while
// the change list is carried out, and read back by the next Setup when a killed one
// left it there.
#pragma once

#include <string>

#include "change_list.h"
#include "step_log.h"

namespace setup {

// A machine that writes each change's journal line, flushed, before `inner` makes it.
// Lines for changes made before the install folder exists (its own levels) are written
// with the first change after it does. A change whose line cannot be written is not made.
class JournalledMachine : public product::Machine {
public:
    JournalledMachine(product::Machine& inner, const std::string& installDir);
    bool Inspect(const product::Change& change, product::Before& before) override;
    bool Apply(const product::Change& change, product::Before& before) override;
    bool Revert(const product::Change& change, const product::Before& before) override;
    bool Commit(const product::Change& change, const product::Before& before) override;
    // The list was carried out or undone: the journal goes.
    void Close();

private:
    product::Machine& m_inner;
    std::string m_folder;     // the install folder, without its "\"
    std::string m_path;       // the journal in it
    std::string m_unwritten;  // lines waiting for the folder
};

// When a Setup killed while installing into `installDir` left its journal there: puts
// back what it lists, newest first, logging each, and deletes the journal.
void UndoInterruptedInstall(const std::string& installDir, product::StepLog& log);

}  // namespace setup
