// Finding the install to remove; see install_location.h.
#include "install_location.h"

#include <windows.h>

#include "ansi_code_page.h"
#include "folder_paths.h"
#include "install_layout.h"
#include "registry_key.h"

namespace uninstall {

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
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, layout::kSettingsKey);
    if (!key) {
        where.keyMissing = true;
        return where;
    }
    where.installDir = key.ReadText(layout::kDataRootValue);
    where.programFolder = key.ReadText(layout::kProgramFolderValue);
    if (product::IsAbsoluteFolder(where.installDir, product::IsAnsiLeadByte))
        where.record = RecordIn(product::WithSlash(where.installDir, product::IsAnsiLeadByte));
    if (where.record) where.programFolder = where.record->programFolder;
    return where;
}

}  // namespace uninstall
