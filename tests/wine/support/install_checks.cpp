// Machine inspection for the install and removal tests; see install_checks.h.
#include "install_checks.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <functional>

#include "wine_test.h"

namespace ic {

namespace {

// Walked by characters (CharPrevA, CharNextA): a case may run in a double-byte code page,
// where the second byte of a character can be 0x5C.
std::string WithSlash(std::string path) {
    if (path.empty() || *CharPrevA(path.c_str(), path.c_str() + path.size()) != '\\') path += '\\';
    return path;
}

}  // namespace

std::string SystemDir() {
    char buffer[MAX_PATH];
    UINT n = GetSystemDirectoryA(buffer, MAX_PATH);
    return WithSlash(std::string(buffer, n));
}

std::string CommonPrograms() {
    char buffer[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, buffer);
    return WithSlash(buffer);
}

std::string BuiltMedium() { return wt::BinDir() + "..\\medium\\"; }

bool ReadBytes(const std::string& path, std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(f, buffer, sizeof buffer, &got, nullptr)) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(f);
    return ok;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    CloseHandle(f);
    return ok;
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFolders(const std::string& folder) {
    const std::string path = WithSlash(folder);
    for (const char* c = path.c_str() + (path.size() < 3 ? path.size() : 3); *c; c = CharNextA(c))
        if (*c == '\\') CreateDirectoryA(path.substr(0, c - path.c_str()).c_str(), nullptr);
}

bool CopyFolderFiles(const std::string& from, const std::string& to) {
    MakeFolders(to);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((WithSlash(from) + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        ok = CopyFileA((WithSlash(from) + data.cFileName).c_str(),
                       (WithSlash(to) + data.cFileName).c_str(), FALSE) && ok;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return ok;
}

bool LoadShortcut(const std::string& path, Link& link) {
    HRESULT init = CoInitialize(nullptr);
    bool ok = false;
    IShellLinkA* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shell)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WCHAR wide[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
            char text[MAX_PATH] = "";
            if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(shell->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) {
                link.target = text;
                text[0] = 0;
                ok = SUCCEEDED(shell->GetDescription(text, MAX_PATH));
                link.description = text;
            }
            file->Release();
        }
        shell->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return ok;
}

std::string SaverEntry() {
    char entry[MAX_PATH] = "";
    GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "<none>", entry, MAX_PATH, "system.ini");
    return entry;
}

void SetSaverEntry(const char* value) {
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", value, "system.ini");
}

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH] = "";
    DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

std::string ScreenSaverSwitch() {
    std::string value;
    return wt::ReadString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveActive", value)
               ? value
               : "<none>";
}

namespace {

void DumpOpenKey(HKEY key, const std::string& name, std::string& out) {
    char valueName[512], data[2048];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof valueName, dataSize = sizeof data, type = 0;
        if (RegEnumValueA(key, i, valueName, &nameSize, nullptr, &type,
                          reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS)
            break;
        out += name + " : " + valueName + " (" + std::to_string(type) + ") = " +
               std::string(data, dataSize) + "\n";
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof valueName;
        if (RegEnumKeyExA(key, i, valueName, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        subkeys.push_back(valueName);
    }
    for (const std::string& sub : subkeys) {
        out += name + "\\" + sub + "\n";
        HKEY child;
        if (RegOpenKeyExA(key, sub.c_str(), 0, KEY_READ, &child) == ERROR_SUCCESS) {
            DumpOpenKey(child, name + "\\" + sub, out);
            RegCloseKey(child);
        }
    }
}

void ListFolder(const std::string& folder, std::vector<std::string>& out) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.push_back(folder + name + "\\");
            ListFolder(folder + name + "\\", out);
        } else {
            out.push_back(folder + name + " " + std::to_string(data.nFileSizeLow));
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

}  // namespace

std::string DumpKey(const std::string& key) { return DumpKey(HKEY_CURRENT_USER, key); }

std::string DumpKey(HKEY root, const std::string& key) {
    HKEY open;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS)
        return std::string();
    std::string out = key + "\n";
    DumpOpenKey(open, key, out);
    RegCloseKey(open);
    return out;
}

bool KeyExists(const std::string& key) {
    HKEY open;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS)
        return false;
    RegCloseKey(open);
    return true;
}

std::vector<std::string> PendingRemovals() {
    std::vector<char> data(65536);
    DWORD size = static_cast<DWORD>(data.size());
    std::vector<std::string> out;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager",
                     "PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, data.data(), &size) != ERROR_SUCCESS)
        return out;
    // Pairs of source and target; an empty target means the source is deleted.
    for (std::size_t at = 0; at < size;) {
        std::string source(data.data() + at);
        at += source.size() + 1;
        if (source.empty()) continue;
        std::string target(at < size ? data.data() + at : "");
        at += target.size() + 1;
        if (target.empty() && source.rfind("\\??\\", 0) == 0) out.push_back(source.substr(4));
    }
    return out;
}

std::vector<std::string> Snapshot(const std::vector<std::string>& roots) {
    std::vector<std::string> out;
    for (const std::string& root : roots) ListFolder(WithSlash(root), out);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace ic
