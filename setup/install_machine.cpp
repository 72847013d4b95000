// The Win32 side of Setup's change list; see install_machine.h.
#include "install_machine.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdlib>

#include "install_layout.h"
#include "module.h"
#include "registry_key.h"
#include "restart_schedule.h"

namespace setup {

namespace {

using product::Before;
using product::Change;
using product::ChangeKind;

const char* const kAside = layout::kAsideSuffix;  // a replaced file, until the install succeeds
const char* const kNew = layout::kNewCopySuffix;   // the new copy, before it takes the file's place
const char kDesktop[] = "Control Panel\\Desktop";
const char kActiveValue[] = "ScreenSaveActive";

bool Gone(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool Fits(const std::string& path) { return path.size() + sizeof layout::kAsideSuffix < layout::kMaxPath; }

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

bool IsFolder(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteIfThere(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileA(path.c_str()) || Gone(GetLastError());
}

// "HKCU\Software\..." as its root and the path below it.
HKEY RootOf(const std::string& key, std::string& below) {
    below = key.size() > 5 ? key.substr(5) : std::string();
    return key.compare(0, 4, "HKLM") == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

RegistryKey OpenKey(const std::string& key, REGSAM access) {
    std::string below;
    HKEY root = RootOf(key, below);
    return RegistryKey::Open(root, below.c_str(), access);
}

// --- files: the new copy is made beside the target, then takes its place ---

bool SaveShortcut(const Change& c, const std::string& path) {
    HRESULT init = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link));
    if (SUCCEEDED(hr)) {
        link->SetPath(c.data.c_str());
        link->SetDescription(c.name.c_str());
        IPersistFile* file = nullptr;
        hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(hr)) {
            WCHAR wide[MAX_PATH];
            hr = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) > 0
                     ? file->Save(wide, TRUE)
                     : HRESULT_FROM_WIN32(GetLastError());
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return SUCCEEDED(hr);
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    ok = FlushFileBuffers(f) && ok;
    return CloseHandle(f) && ok;
}

// Makes the new file of `c` at `path`.
bool MakeNewFile(const Change& c, const std::string& path) {
    if (!DeleteIfThere(path)) return false;
    switch (c.kind) {
    case ChangeKind::CopyFrom:
        if (!CopyFileA(c.data.c_str(), path.c_str(), FALSE)) return false;
        // A copy keeps the attributes of its source, read-only on a CD.
        return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
    case ChangeKind::WriteFile: return WriteBytes(path, c.data);
    case ChangeKind::MakeShortcut: return SaveShortcut(c, path);
    default: return false;
    }
}

bool InspectFile(const Change& c, Before& b) {
    if (!Fits(c.target) || IsFolder(c.target)) return false;
    b.existed = Attributes(c.target) != INVALID_FILE_ATTRIBUTES;
    return true;
}

using MoveFileExAProc = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

// Puts `from` in the place of `to`. The NT family replaces in one step, so that `to` is
// never missing (MoveFileExA, looked up at run time); the Windows 95 family has no such
// call and deletes, then renames. False, with both left as they were, when `to` is in use.
bool Replace(const std::string& from, const std::string& to) {
    if (product::IsNtFamily()) {
        auto move = Module::Loaded("kernel32.dll").Find<MoveFileExAProc>("MoveFileExA");
        if (move) return move(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    }
    SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(to.c_str()) && !Gone(GetLastError())) return false;
    return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

// The new copy is made beside the file, and a copy of the file it replaces is kept
// aside until the install succeeds; then the new one takes its place. A file in use
// gets the new copy at the next restart.
bool ApplyFile(const Change& c, Before& b) {
    const std::string fresh = c.target + kNew;
    if (!MakeNewFile(c, fresh)) {
        DeleteIfThere(fresh);
        return false;
    }
    if (b.existed) {
        b.aside = c.target + kAside;
        if (!DeleteIfThere(b.aside) || !CopyFileA(c.target.c_str(), b.aside.c_str(), FALSE)) {
            DeleteIfThere(b.aside);
            DeleteIfThere(fresh);
            return false;
        }
    }
    if (Replace(fresh, c.target)) return true;
    if (b.existed && product::ScheduleReplacement(fresh, c.target)) {
        b.scheduled = true;
        return true;
    }
    DeleteIfThere(fresh);
    if (!b.aside.empty()) DeleteIfThere(b.aside);
    return false;
}

bool RevertFile(const Change& c, const Before& b) {
    if (b.scheduled) {
        const std::string fresh = c.target + kNew;
        bool cancelled = product::CancelScheduledReplacement(fresh);
        return DeleteIfThere(fresh) && DeleteIfThere(b.aside) && cancelled;
    }
    if (b.aside.empty()) return DeleteIfThere(c.target);
    return Replace(b.aside, c.target);
}

bool CommitFile(const Before& b) {
    // The copy kept aside is never in use; a restart is needed only for a scheduled copy.
    if (!b.aside.empty()) DeleteIfThere(b.aside);
    return false;
}

// --- folders ---

bool InspectFolder(const Change& c, Before& b) {
    b.existed = IsFolder(c.target);
    return c.target.size() < layout::kMaxPath;
}

bool ApplyFolder(const Change& c, const Before& b) {
    return b.existed || CreateDirectoryA(c.target.c_str(), nullptr) != FALSE;
}

bool RevertFolder(const Change& c, const Before& b) {
    return b.existed || RemoveDirectoryA(c.target.c_str()) || Gone(GetLastError());
}

// --- registry keys and values ---

bool InspectKey(const Change& c, Before& b) {
    b.existed = static_cast<bool>(OpenKey(c.target, KEY_READ));
    return true;
}

bool ApplyKey(const Change& c, const Before& b) {
    if (b.existed) return true;
    std::string below;
    HKEY root = RootOf(c.target, below);
    return static_cast<bool>(RegistryKey::Create(root, below.c_str(), KEY_READ | KEY_WRITE));
}

bool RevertKey(const Change& c, const Before& b) {
    if (b.existed) return true;
    // A key something else put a key in since is kept: the Windows 95 family's
    // RegDeleteKeyA would take that with it.
    DWORD subkeys = 0;
    if (RegistryKey key = OpenKey(c.target, KEY_READ);
        key && RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr) == ERROR_SUCCESS && subkeys > 0)
        return false;
    std::string below;
    HKEY root = RootOf(c.target, below);
    LONG rc = RegDeleteKeyA(root, below.c_str());
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

bool InspectValue(const Change& c, Before& b) {
    RegistryKey key = OpenKey(c.target, KEY_READ);
    if (!key) return true;  // ApplyValue then fails
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), c.name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return true;
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), c.name.c_str(), nullptr, &type,
                         size ? reinterpret_cast<BYTE*>(&data[0]) : nullptr, &size) != ERROR_SUCCESS)
        return false;
    data.resize(size);
    b.existed = true;
    b.type = type;
    b.data = data;
    return true;
}

bool ApplyValue(const Change& c) {
    RegistryKey key = OpenKey(c.target, KEY_SET_VALUE);
    return c.kind == ChangeKind::SetText ? key.SetText(c.name.c_str(), c.data) : key.SetNumber(c.name.c_str(), c.number);
}

bool RevertValue(const Change& c, const Before& b) {
    RegistryKey key = OpenKey(c.target, KEY_SET_VALUE);
    if (!key) return !b.existed;
    LONG rc = b.existed ? RegSetValueExA(key.get(), c.name.c_str(), 0, b.type,
                                         reinterpret_cast<const BYTE*>(b.data.data()), static_cast<DWORD>(b.data.size()))
                        : RegDeleteValueA(key.get(), c.name.c_str());
    return rc == ERROR_SUCCESS || (!b.existed && rc == ERROR_FILE_NOT_FOUND);
}

// --- the system.ini entry and the screen-saver switch ---

const char kAbsent[] = "<absent>";

bool InspectEntry(Before& b) {
    char entry[MAX_PATH] = "";
    GetPrivateProfileStringA(layout::kIniSection, layout::kIniKey, kAbsent, entry, MAX_PATH, layout::kIniFile);
    b.existed = std::string(entry) != kAbsent;
    b.data = b.existed ? entry : "";
    b.number = BootSectionExists() ? 1 : 0;
    return true;
}

bool ApplyEntry(const Change& c) {
    char shortPath[MAX_PATH] = "";
    DWORD n = GetShortPathNameA(c.target.c_str(), shortPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;  // the entry never names a missing file
    return WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, shortPath, layout::kIniFile) != FALSE;
}

bool RevertEntry(const Before& b) {
    // A section that was not there goes again with the entry.
    if (!b.existed && !b.number)
        return WritePrivateProfileStringA(layout::kIniSection, nullptr, nullptr, layout::kIniFile) != FALSE;
    return WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, b.existed ? b.data.c_str() : nullptr,
                                      layout::kIniFile) != FALSE;
}

bool InspectSwitch(Before& b) {
    b.existed = ScreenSaverSwitchStored();
    b.data = b.existed ? RegistryKey::Open(HKEY_CURRENT_USER, kDesktop).ReadText(kActiveValue, 8) : "";
    b.number = ScreenSaverSwitchedOn() ? 1 : 0;
    return true;
}

bool ApplySwitch(const Change& c) {
    return SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, c.number, nullptr, SPIF_UPDATEINIFILE) != FALSE;
}

// Puts back the switch, and the desktop value as it was, or takes it away again.
bool RevertSwitch(const Before& b) {
    bool ok = SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, b.number, nullptr, SPIF_UPDATEINIFILE) != FALSE;
    RegistryKey desktop = RegistryKey::Open(HKEY_CURRENT_USER, kDesktop, KEY_SET_VALUE);
    if (!desktop) return ok;
    if (b.existed) return desktop.SetText(kActiveValue, b.data) && ok;
    LONG rc = RegDeleteValueA(desktop.get(), kActiveValue);
    return (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) && ok;
}

// What a killed Setup did to a file, learned from what it left. Its new copy still
// beside the file means the file was not replaced, or only at the next restart (which is
// cancelled), except on the Windows 95 family between deleting the file and renaming the
// copy; a copy kept aside means the file was replaced; neither, that it was made where
// there was none, or not touched.
bool UndoFileChange(const Change& c, Before b) {
    const std::string fresh = c.target + kNew, aside = c.target + kAside;
    const bool freshThere = Attributes(fresh) != INVALID_FILE_ATTRIBUTES;
    const bool asideThere = Attributes(aside) != INVALID_FILE_ATTRIBUTES;
    if (freshThere && (!b.existed || Attributes(c.target) != INVALID_FILE_ATTRIBUTES)) {
        b.scheduled = true;
        b.aside = aside;
        return RevertFile(c, b);
    }
    if (freshThere && !DeleteIfThere(fresh)) return false;
    if (asideThere)
        b.aside = aside;
    else if (b.existed)
        return true;
    return RevertFile(c, b);
}

#ifdef WHIRL_TEST_HOOKS
// A test build's machine: fails or stops at the change the environment names.
class HookedMachine : public Win32Machine {
public:
    HookedMachine() : m_failAt(Number("WHIRL_TEST_FAIL_AT")), m_stopAfter(Number("WHIRL_TEST_STOP_AFTER")) {}
    bool Apply(const Change& change, Before& before) override {
        ++m_count;
        if (m_count == m_failAt) return false;
        bool ok = Win32Machine::Apply(change, before);
        if (m_count == m_stopAfter) ExitProcess(9);
        return ok;
    }

private:
    static long Number(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::strtol(value, nullptr, 10) : 0;
    }
    long m_failAt, m_stopAfter, m_count = 0;
};
#endif

}  // namespace

bool BootSectionExists() {
    // With no section named, the profile function lists the sections, each ending in a zero.
    std::string names(32768, '\0');
    DWORD n = GetPrivateProfileStringA(nullptr, nullptr, "", &names[0], static_cast<DWORD>(names.size()),
                                       layout::kIniFile);
    for (std::size_t at = 0; at < n;) {
        const std::string name = names.c_str() + at;
        if (lstrcmpiA(name.c_str(), layout::kIniSection) == 0) return true;
        at += name.size() + 1;
    }
    return false;
}

bool SaverEntryExists() {
    char entry[MAX_PATH] = "";
    GetPrivateProfileStringA(layout::kIniSection, layout::kIniKey, kAbsent, entry, MAX_PATH, layout::kIniFile);
    return std::string(entry) != kAbsent;
}

bool ScreenSaverSwitchStored() {
    RegistryKey desktop = RegistryKey::Open(HKEY_CURRENT_USER, kDesktop);
    DWORD type = 0, size = 0;
    return desktop && RegQueryValueExA(desktop.get(), kActiveValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

bool ScreenSaverSwitchedOn() {
    const std::string value = RegistryKey::Open(HKEY_CURRENT_USER, kDesktop).ReadText(kActiveValue, 8);
    if (!value.empty()) return value[0] == '1';
    BOOL active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active != FALSE;
}

bool Win32Machine::Inspect(const Change& c, Before& b) {
    switch (c.kind) {
    case ChangeKind::MakeFolder: return InspectFolder(c, b);
    case ChangeKind::CopyFrom:
    case ChangeKind::WriteFile:
    case ChangeKind::MakeShortcut: return InspectFile(c, b);
    case ChangeKind::MakeKey: return InspectKey(c, b);
    case ChangeKind::SetText:
    case ChangeKind::SetNumber: return InspectValue(c, b);
    case ChangeKind::SelectSaver: return InspectEntry(b);
    case ChangeKind::SetSaverSwitch: return InspectSwitch(b);
    }
    return false;
}

bool Win32Machine::Apply(const Change& c, Before& b) {
    switch (c.kind) {
    case ChangeKind::MakeFolder: return ApplyFolder(c, b);
    case ChangeKind::CopyFrom:
    case ChangeKind::WriteFile:
    case ChangeKind::MakeShortcut: return ApplyFile(c, b);
    case ChangeKind::MakeKey: return ApplyKey(c, b);
    case ChangeKind::SetText:
    case ChangeKind::SetNumber: return ApplyValue(c);
    case ChangeKind::SelectSaver: return ApplyEntry(c);
    case ChangeKind::SetSaverSwitch: return ApplySwitch(c);
    }
    return false;
}

bool Win32Machine::Revert(const Change& c, const Before& b) {
    switch (c.kind) {
    case ChangeKind::MakeFolder: return RevertFolder(c, b);
    case ChangeKind::CopyFrom:
    case ChangeKind::WriteFile:
    case ChangeKind::MakeShortcut: return RevertFile(c, b);
    case ChangeKind::MakeKey: return RevertKey(c, b);
    case ChangeKind::SetText:
    case ChangeKind::SetNumber: return RevertValue(c, b);
    case ChangeKind::SelectSaver: return RevertEntry(b);
    case ChangeKind::SetSaverSwitch: return RevertSwitch(b);
    }
    return false;
}

bool Win32Machine::Commit(const Change& c, const Before& b) {
    if (c.kind == ChangeKind::CopyFrom || c.kind == ChangeKind::WriteFile || c.kind == ChangeKind::MakeShortcut)
        return CommitFile(b);
    return false;
}

bool UndoInterrupted(const Change& c, const Before& b) {
    switch (c.kind) {
    case ChangeKind::CopyFrom:
    case ChangeKind::WriteFile:
    case ChangeKind::MakeShortcut: return UndoFileChange(c, b);
    default: return Win32Machine().Revert(c, b);
    }
}

product::Machine& InstallMachine() {
#ifdef WHIRL_TEST_HOOKS
    static HookedMachine machine;
#else
    static Win32Machine machine;
#endif
    return machine;
}

}  // namespace setup
