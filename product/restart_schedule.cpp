// Changes made at the next restart; see restart_schedule.h.
#include "restart_schedule.h"

#include <windows.h>

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

// Whether an NT path of PendingFileRenameOperations ("\??\C:\X") names `path` or a path in it.
bool Covers(const std::string& pending, const std::string& path) {
    std::string p = pending.rfind("\\??\\", 0) == 0 ? pending.substr(4) : pending;
    return SamePath(p, path, IsAnsiLeadByte) || LiesIn(p, path, IsAnsiLeadByte);
}

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";

// Drops (or, with `onlyLook`, finds) the removals of `path` or paths in it; with
// `onlyLook`, true when one of `path` itself is there.
bool CancelInPendingOperations(const std::string& path, bool onlyLook = false) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return !onlyLook;
    DWORD type = 0, size = 0;
    bool ok = true;
    if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_MULTI_SZ && size > 0) {
        std::string data(size, '\0');
        if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type,
                             reinterpret_cast<BYTE*>(&data[0]), &size) == ERROR_SUCCESS) {
            data.resize(size);
            // Pairs of source and target; an empty target means the source is deleted.
            std::string kept;
            bool dropped = false;
            for (std::size_t at = 0; at < data.size();) {
                std::string source = data.c_str() + at;
                at += source.size() + 1;
                if (source.empty()) continue;
                std::string target = at < data.size() ? data.c_str() + at : "";
                at += target.size() + 1;
                if (target.empty() && Covers(source, path)) {
                    if (onlyLook && SamePath(source.substr(source.rfind("\\??\\", 0) == 0 ? 4 : 0), path, IsAnsiLeadByte)) {
                        RegCloseKey(key);
                        return true;
                    }
                    dropped = true;
                    continue;
                }
                kept += source + '\0' + target + '\0';
            }
            if (onlyLook) {
                RegCloseKey(key);
                return false;
            }
            if (dropped) {
                if (kept.empty())
                    ok = RegDeleteValueA(key, "PendingFileRenameOperations") == ERROR_SUCCESS;
                else
                    ok = RegSetValueExA(key, "PendingFileRenameOperations", 0, REG_MULTI_SZ,
                                        reinterpret_cast<const BYTE*>((kept + '\0').data()),
                                        static_cast<DWORD>(kept.size() + 1)) == ERROR_SUCCESS;
            }
        }
    }
    RegCloseKey(key);
    return ok && !onlyLook;
}

bool CancelInWininit(const std::string& path, bool onlyLook = false) {
    const std::string ini = WininitPath();
    std::string text;
    if (ini.empty() || !ReadWhole(ini, text)) return !onlyLook;
    const std::string shortPath = ShortForm(path);
    std::string out;
    bool dropped = false;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(at, end - at);
        at = end;
        std::string bare = line;
        while (!bare.empty() && (bare.back() == '\n' || bare.back() == '\r')) bare.pop_back();
        if (bare.size() > 4 && (bare.compare(0, 4, "NUL=") == 0 || bare.compare(0, 4, "nul=") == 0)) {
            const std::string named = bare.substr(4);
            if (Covers(named, path) || (!shortPath.empty() && Covers(named, shortPath))) {
                if (onlyLook && (SamePath(named, path, IsAnsiLeadByte) || (!shortPath.empty() && SamePath(named, shortPath, IsAnsiLeadByte))))
                    return true;
                dropped = true;
                continue;
            }
        }
        out += line;
    }
    if (onlyLook) return false;
    return !dropped || WriteWhole(ini, out);
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
    return CancelInPendingOperations(path, true) || CancelInWininit(path, true);
}

bool CancelScheduledRemovals(const std::string& path) {
    bool pending = CancelInPendingOperations(path);
    return CancelInWininit(path) && pending;
}

}  // namespace product
