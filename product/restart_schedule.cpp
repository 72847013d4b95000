// Changes made at the next restart; see restart_schedule.h.
#include "restart_schedule.h"

#include <windows.h>

#include <functional>

#include "ansi_code_page.h"
#include "folder_paths.h"
#include "module.h"

namespace product {

namespace {

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = "";
    DWORD n = path.empty() ? 0 : GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

std::string WininitPath() {
    char windows[MAX_PATH] = "";
    UINT n = GetWindowsDirectoryA(windows, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::string() : WithSlash(windows, IsAnsiLeadByte) + "wininit.ini";
}

bool ReadWhole(const std::string& path, std::string& text) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(f);
    return true;
}

bool WriteWhole(const std::string& path, const std::string& text) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    return CloseHandle(f) && ok;
}

// Adds `line` at the end of wininit.ini's [rename] section, which the Windows 95 family
// carries out in order at its next start; the other lines of the file are kept.
bool AddToWininit(const std::string& line) {
    const std::string ini = WininitPath();
    if (ini.empty()) return false;
    std::string text;
    ReadWhole(ini, text);
    std::size_t section = text.find("[rename]");
    if (section == std::string::npos) {
        if (!text.empty() && text.back() != '\n') text += "\r\n";
        text += "[rename]\r\n" + line;
    } else {
        std::size_t after = text.find('\n', section);
        after = after == std::string::npos ? text.size() : after + 1;
        if (after == text.size() && text.back() != '\n') text += "\r\n", after = text.size();
        std::size_t next = text.find("\n[", after);
        text.insert(next == std::string::npos ? text.size() : next + 1, line);
    }
    return WriteWhole(ini, text);
}

using MoveFileExAProc = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

// Looked up at run time: the Windows 95 family has no working MoveFileExA.
bool MoveAtRestart(const std::string& from, const char* to, DWORD flags) {
    auto moveLater = Module::Loaded("kernel32.dll").Find<MoveFileExAProc>("MoveFileExA");
    return moveLater && moveLater(from.c_str(), to, MOVEFILE_DELAY_UNTIL_REBOOT | flags) != FALSE;
}

// Whether `named` is `path`, in its long or its short form.
bool Names(const std::string& named, const std::string& path, const std::string& shortPath) {
    return SamePath(named, path, IsAnsiLeadByte) || (!shortPath.empty() && SamePath(named, shortPath, IsAnsiLeadByte));
}

// Whether `named` is `path` or a path in it, in the long or the short form.
bool Covers(const std::string& named, const std::string& path, const std::string& shortPath) {
    return Names(named, path, shortPath) || LiesIn(named, path, IsAnsiLeadByte) ||
           (!shortPath.empty() && LiesIn(named, shortPath, IsAnsiLeadByte));
}

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";

// What an operation scheduled for the restart is to the caller: kept, dropped, or the
// one looked for. `to` is empty for a removal.
enum class Fate { Keep, Drop, Found };
using Judge = std::function<Fate(const std::string& from, const std::string& to)>;

std::string WithoutNtPrefix(std::string path) {
    if (!path.empty() && path[0] == '!') path.erase(0, 1);  // "replace existing"
    return path.rfind("\\??\\", 0) == 0 ? path.substr(4) : path;
}

// Drops the operations `judge` drops from PendingFileRenameOperations; `found` tells
// whether it found one. False when what was left could not be written back.
bool FilterPendingOperations(const Judge& judge, bool& found) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return true;
    DWORD type = 0, size = 0;
    bool ok = true;
    std::string data;
    if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_MULTI_SZ && size > 0) {
        data.assign(size, '\0');
        if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                             &size) != ERROR_SUCCESS)
            data.clear();
        data.resize(data.empty() ? 0 : size);
    }
    // Pairs of source and target; an empty target means the source is deleted.
    std::string kept;
    bool dropped = false;
    for (std::size_t at = 0; at < data.size() && !found;) {
        std::string source = data.c_str() + at;
        at += source.size() + 1;
        if (source.empty()) continue;
        std::string target = at < data.size() ? data.c_str() + at : "";
        at += target.size() + 1;
        Fate fate = judge(WithoutNtPrefix(source), WithoutNtPrefix(target));
        found = fate == Fate::Found;
        if (fate == Fate::Drop) {
            dropped = true;
            continue;
        }
        kept += source + '\0' + target + '\0';
    }
    if (dropped && !found) {
        if (kept.empty())
            ok = RegDeleteValueA(key, "PendingFileRenameOperations") == ERROR_SUCCESS;
        else
            ok = RegSetValueExA(key, "PendingFileRenameOperations", 0, REG_MULTI_SZ,
                                reinterpret_cast<const BYTE*>((kept + '\0').data()),
                                static_cast<DWORD>(kept.size() + 1)) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return ok;
}

// The same for wininit.ini's lines "NUL=path" (a removal) and "to=from".
bool FilterWininit(const Judge& judge, bool& found) {
    const std::string ini = WininitPath();
    std::string text;
    if (ini.empty() || !ReadWhole(ini, text)) return true;
    std::string out;
    bool dropped = false;
    for (std::size_t at = 0; at < text.size() && !found;) {
        std::size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(at, end - at);
        at = end;
        std::string bare = line;
        while (!bare.empty() && (bare.back() == '\n' || bare.back() == '\r')) bare.pop_back();
        const std::size_t equals = bare.find('=');
        if (equals != std::string::npos && !bare.empty() && bare[0] != '[' && bare[0] != ';') {
            std::string to = bare.substr(0, equals);
            if (to == "NUL" || to == "nul") to.clear();
            Fate fate = judge(bare.substr(equals + 1), to);
            found = fate == Fate::Found;
            if (fate == Fate::Drop) {
                dropped = true;
                continue;
            }
        }
        out += line;
    }
    return found || !dropped || WriteWhole(ini, out);
}

// Drops the operations `judge` drops, wherever they are kept; `found` as above.
bool Filter(const Judge& judge, bool& found) {
    bool pending = FilterPendingOperations(judge, found);
    return (found || FilterWininit(judge, found)) && pending;
}

}  // namespace

bool IsNtFamily() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool ScheduleRemoval(const std::string& path) {
    if (IsNtFamily()) return MoveAtRestart(path, nullptr, 0);
    const std::string shortPath = ShortForm(path);
    return AddToWininit("NUL=" + (shortPath.empty() ? path : shortPath) + "\r\n");
}

bool ScheduleReplacement(const std::string& from, const std::string& to) {
    if (IsNtFamily()) return MoveAtRestart(from, to.c_str(), MOVEFILE_REPLACE_EXISTING);
    const std::string shortFrom = ShortForm(from), shortTo = ShortForm(to);
    return AddToWininit((shortTo.empty() ? to : shortTo) + "=" + (shortFrom.empty() ? from : shortFrom) + "\r\n");
}

bool RemovalScheduled(const std::string& path) {
    const std::string shortPath = ShortForm(path);
    bool found = false;
    Filter([&](const std::string& from, const std::string& to) {
        return to.empty() && Names(from, path, shortPath) ? Fate::Found : Fate::Keep;
    }, found);
    return found;
}

bool CancelScheduledRemovals(const std::string& path) {
    const std::string shortPath = ShortForm(path);
    bool found = false;
    return Filter([&](const std::string& from, const std::string& to) {
        return to.empty() && Covers(from, path, shortPath) ? Fate::Drop : Fate::Keep;
    }, found);
}

bool CancelScheduledReplacement(const std::string& from) {
    const std::string shortFrom = ShortForm(from);
    bool found = false;
    return Filter([&](const std::string& source, const std::string& to) {
        return !to.empty() && Names(source, from, shortFrom) ? Fate::Drop : Fate::Keep;
    }, found);
}

}  // namespace product
