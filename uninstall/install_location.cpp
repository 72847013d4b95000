// Finding the install to remove; see install_location.h.
#include "install_location.h"

#include <windows.h>

#include <cstring>

#include "folder_paths.h"
#include "install_layout.h"

namespace uninstall {

namespace {

// One value of the product's Settings key; empty when missing or not a string.
std::string ReadValue(HKEY key, const char* name) {
    char buffer[512];
    std::memset(buffer, 0, sizeof buffer);
    DWORD size = sizeof buffer - 1, type = 0;
    LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(buffer) : std::string();
}

}  // namespace

std::optional<product::InstallRecord> RecordIn(const std::string& folder) {
    if (folder.empty()) return std::nullopt;
    const std::string path = folder + product::kRecordFile;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0 && text.size() < 65536)
        text.append(buffer, got);
    CloseHandle(f);
    return product::ReadRecord(text);
}

InstallLocation FindInstallLocation(const std::string& moduleFolder) {
    InstallLocation where;
    where.record = RecordIn(moduleFolder);
    if (where.record) {
        where.installDir = moduleFolder;
        where.programFolder = where.record->programFolder;
        return where;
    }
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, layout::kSettingsKey, &key) != ERROR_SUCCESS) {
        where.keyMissing = true;
        return where;
    }
    where.installDir = ReadValue(key, layout::kDataRootValue);
    where.programFolder = ReadValue(key, layout::kProgramFolderValue);
    RegCloseKey(key);
    if (product::IsAbsoluteFolder(where.installDir)) where.record = RecordIn(product::WithSlash(where.installDir));
    if (where.record) where.programFolder = where.record->programFolder;
    return where;
}

}  // namespace uninstall
