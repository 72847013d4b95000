// Setup's journal on this machine; see journalled_machine.h.
#include "journalled_machine.h"

#include <windows.h>

#include "ansi_code_page.h"
#include "destination_checks.h"
#include "folder_paths.h"
#include "install_journal.h"
#include "install_machine.h"

namespace setup {

namespace {

bool AppendFlushed(const std::string& path, const std::string& text) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = SetFilePointer(f, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
              WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    ok = FlushFileBuffers(f) && ok;
    return CloseHandle(f) && ok;
}

bool DeleteJournal(const std::string& path) {
    return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
}

std::string WithoutSlash(const std::string& folder) {
    const std::vector<std::string> levels = product::FolderLevels(folder, product::IsAnsiLeadByte);
    return levels.empty() ? folder : levels.back();
}

}  // namespace

JournalledMachine::JournalledMachine(product::Machine& inner, const std::string& installDir)
    : m_inner(inner),
      m_folder(WithoutSlash(installDir)),
      m_path(product::WithSlash(installDir, product::IsAnsiLeadByte) + product::kJournalFile) {}

bool JournalledMachine::Inspect(const product::Change& change, product::Before& before) {
    return m_inner.Inspect(change, before);
}

bool JournalledMachine::Apply(const product::Change& change, product::Before& before) {
    m_unwritten += product::JournalLine(change, before);
    DWORD a = GetFileAttributesA(m_folder.c_str());
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)) {
        if (!AppendFlushed(m_path, m_unwritten)) return false;
        m_unwritten.clear();
    }
    return m_inner.Apply(change, before);
}

bool JournalledMachine::Revert(const product::Change& change, const product::Before& before) {
    // The folder goes only once the journal in it has gone.
    if (change.kind == product::ChangeKind::MakeFolder && product::SamePath(change.target, m_folder, product::IsAnsiLeadByte))
        DeleteJournal(m_path);
    return m_inner.Revert(change, before);
}

bool JournalledMachine::Commit(const product::Change& change, const product::Before& before) {
    return m_inner.Commit(change, before);
}

void JournalledMachine::Close() { DeleteJournal(m_path); }

void UndoInterruptedInstall(const std::string& installDir, product::StepLog& log) {
    const std::string path = product::WithSlash(installDir, product::IsAnsiLeadByte) + product::kJournalFile;
    std::string text;
    if (installDir.empty() || !ReadAll(path, text)) return;
    log.Note("note    an earlier Setup was stopped before it finished: undoing what it did");
    const std::vector<product::JournalEntry> entries = product::ReadJournal(text);
    const std::string folder = WithoutSlash(installDir);
    for (std::size_t i = entries.size(); i-- > 0;) {
        const product::JournalEntry& e = entries[i];
        if (e.change.kind == product::ChangeKind::MakeFolder && product::SamePath(e.change.target, folder, product::IsAnsiLeadByte))
            log.Step(DeleteJournal(path), "delete " + path);
        // The journal keeps no copy's source.
        const std::string what = e.change.kind == product::ChangeKind::CopyFrom ? "copy to " + e.change.target
                                                                               : product::Describe(e.change);
        if (UndoInterrupted(e.change, e.before))
            log.Note("undone  " + what);
        else
            log.Step(false, "undo " + what);
    }
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) log.Step(DeleteJournal(path), "delete " + path);
}

}  // namespace setup
