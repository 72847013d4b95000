// The change-list executor; see change_list.h.
#include "change_list.h"

namespace product {

std::string Describe(const Change& c) {
    switch (c.kind) {
    case ChangeKind::MakeFolder: return "create folder " + c.target;
    case ChangeKind::CopyFrom: return "copy " + c.data + " to " + c.target;
    case ChangeKind::WriteFile: return "write " + c.target;
    case ChangeKind::MakeShortcut: return "create shortcut " + c.target;
    case ChangeKind::MakeKey: return "create registry key " + c.target;
    case ChangeKind::SetText:
    case ChangeKind::SetNumber: return "set registry value " + c.target + "\\" + c.name;
    case ChangeKind::SelectSaver: return "make Whirlmark the screen saver in system.ini";
    case ChangeKind::SetSaverSwitch: return c.number ? "switch the screen saver on" : "switch the screen saver off";
    }
    return std::string();
}

ChangeOutcome CarryOut(const std::vector<Change>& changes, Machine& machine, StepLog& log,
                       const std::function<void(int)>& progress) {
    ChangeOutcome outcome;
    std::vector<Before> made;
    made.reserve(changes.size());
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const Change& change = changes[i];
        if (progress && change.progress >= 0) progress(change.progress);
        Before before;
        bool ok = machine.Inspect(change, before) && machine.Apply(change, before);
        if (!log.Step(ok, Describe(change))) {
            outcome.failed = Describe(change);
            break;
        }
        if (before.scheduled) {
            outcome.restartNeeded = true;
            log.Note("note    " + change.target + " is in use: it is replaced when Windows next restarts");
        }
        made.push_back(before);
    }
    if (outcome.failed.empty()) {
        for (std::size_t i = 0; i < changes.size(); ++i)
            if (machine.Commit(changes[i], made[i])) {
                outcome.restartNeeded = true;
                log.Note("note    the file " + changes[i].target + " replaced is in use: it goes when Windows next restarts");
            }
        outcome.done = true;
        return outcome;
    }
    outcome.restartNeeded = false;
    for (std::size_t i = made.size(); i-- > 0;) {
        if (machine.Revert(changes[i], made[i])) {
            log.Note("undone  " + Describe(changes[i]));
        } else {
            log.Step(false, "undo " + Describe(changes[i]));
            outcome.notUndone.push_back(Describe(changes[i]));
        }
    }
    return outcome;
}

std::string FailureSummary(const ChangeOutcome& outcome) {
    std::string text = "The installation failed at: " + outcome.failed + "\r\n";
    if (outcome.notUndone.empty()) return text + "Everything Setup had changed was undone: the computer was left as it was.\r\n";
    text += "Setup undid what it had changed except:\r\n";
    for (const std::string& what : outcome.notUndone) text += "  " + what + "\r\n";
    return text;
}

}  // namespace product
