// Setup's checks before anything changes; see destination_checks.h.
#include "destination_checks.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "ansi_code_page.h"
#include "folder_paths.h"
#include "foreign_items.h"
#include "install_layout.h"
#include "module.h"
#include "registry_key.h"
#include "space_rules.h"
#include "version_file.h"

namespace setup {

using product::IsAnsiLeadByte;

namespace {

typedef BOOL(WINAPI* GetDiskFreeSpaceExAProc)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::uint64_t SizeOf(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    FindClose(find);
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

bool ReadAll(const std::string& path, std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(f, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) bytes.append(buffer, got);
    CloseHandle(f);
    return ok;
}

namespace {

bool SameBytes(const std::string& a, const std::string& b) {
    if (SizeOf(a) != SizeOf(b)) return false;
    std::string x, y;
    return ReadAll(a, x) && ReadAll(b, y) && x == y;
}

// The target of the shortcut `link`; "" when it cannot be loaded.
std::string ShortcutTarget(const std::string& link) {
    std::string target;
    HRESULT init = CoInitialize(nullptr);
    IShellLinkA* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shell)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WCHAR wide[MAX_PATH];
            char text[MAX_PATH] = "";
            if (MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH) > 0 &&
                SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(shell->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
                target = text;
            file->Release();
        }
        shell->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return target;
}

// "DataRoot" or "ProgramFolder" as an older install recorded them; "" when missing.
std::string RecordedLocation(const char* name) {
    return RegistryKey::Open(HKEY_CURRENT_USER, layout::kSettingsKey).ReadText(name);
}

ItemInTheWay InTheWay(const std::string& path, const product::InstallRecord* record, product::Item item,
                  bool plainlyOurs) {
    ItemInTheWay i;
    i.path = path;
    i.exists = Exists(path);
    i.recorded = record && record->Created(item);
    i.plainlyOurs = plainlyOurs;
    return i;
}

std::string Found(const std::vector<ItemInTheWay>& items) {
    const ItemInTheWay* foreign = FirstForeign(items);
    return foreign ? foreign->path : std::string();
}

}  // namespace

MediumSizes MeasureMedium(const std::string& sourceDir) {
    MediumSizes sizes;
    sizes.saver = OnDisk(SizeOf(sourceDir + layout::kSaverFile));
    for (const char* name : {layout::kUninstaller, layout::kLicense, layout::kReadme})
        sizes.others += OnDisk(SizeOf(sourceDir + name));
    sizes.others += OnDisk(1);  // the install record
    return sizes;
}

std::uint64_t DriveFreeSpace(const std::string& root) {
    if (auto getFree = Module::Loaded("kernel32.dll").Find<GetDiskFreeSpaceExAProc>("GetDiskFreeSpaceExA")) {
        ULARGE_INTEGER available, total, totalFree;
        if (!getFree(root.c_str(), &available, &total, &totalFree)) return 0;
        return available.QuadPart;
    }
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return 0;
    return static_cast<std::uint64_t>(freeClusters) * sectorsPerCluster * bytesPerSector;
}

std::string ShortOfSpace(const std::string& sourceDir, const std::string& systemDir,
                         const std::string& installDir) {
    MediumSizes sizes = MeasureMedium(sourceDir);
    std::vector<DriveNeed> needs = SpaceNeeds(product::VolumeRoot(systemDir, IsAnsiLeadByte), sizes.saver,
                                              product::VolumeRoot(installDir, IsAnsiLeadByte), sizes.others,
                                              IsAnsiLeadByte);
    std::vector<std::uint64_t> free;
    for (const DriveNeed& need : needs) free.push_back(DriveFreeSpace(need.root));
    return ShortDrive(needs, free, IsAnsiLeadByte);
}

std::optional<product::InstallRecord> ReadRecordIn(const std::string& folder) {
    std::string text;
    if (folder.empty() || !ReadAll(product::WithSlash(folder, IsAnsiLeadByte) + product::kRecordFile, text))
        return std::nullopt;
    return product::ReadRecord(text);
}

std::string ForeignInDestination(const std::string& sourceDir, const std::string& systemDir,
                                 const std::string& installDir) {
    using product::Item;
    const std::optional<product::InstallRecord> record = ReadRecordIn(installDir);
    const product::InstallRecord* r = record ? &*record : nullptr;
    const std::string dataRoot = RecordedLocation(layout::kDataRootValue);
    std::vector<ItemInTheWay> items;
    const std::string saver = systemDir + layout::kSaverFile;
    const bool saverRecorded = r && product::SamePath(r->saverPath, saver, IsAnsiLeadByte);
    items.push_back(InTheWay(saver, saverRecorded ? r : nullptr, Item::Saver,
                         SameBytes(saver, sourceDir + layout::kSaverFile) ||
                             product::FileCompany(saver) == "Brindlecroft"));
    const std::pair<const char*, Item> files[] = {
        {layout::kUninstaller, Item::Uninstaller}, {layout::kLicense, Item::License}, {layout::kReadme, Item::Readme}};
    for (const auto& f : files) {
        const std::string path = installDir + f.first;
        items.push_back(InTheWay(path, r, f.second,
                             SameBytes(path, sourceDir + f.first) ||
                                 AtRecordedLocation(path, dataRoot, "", IsAnsiLeadByte)));
    }
    // A record that is not ours is someone else's file of that name.
    const std::string recordPath = installDir + product::kRecordFile;
    ItemInTheWay recordItem;
    recordItem.path = recordPath;
    recordItem.exists = Exists(recordPath);
    recordItem.plainlyOurs = r != nullptr || AtRecordedLocation(recordPath, dataRoot, "", IsAnsiLeadByte);
    items.push_back(recordItem);
    return Found(items);
}

std::string ForeignInProgramFolder(const std::string& installDir,
                                   const std::string& programFolder) {
    using product::Item;
    if (programFolder.empty()) return std::string();
    const std::optional<product::InstallRecord> record = ReadRecordIn(installDir);
    const product::InstallRecord* r =
        record && product::SamePath(record->programFolder, programFolder, IsAnsiLeadByte) ? &*record : nullptr;
    const std::string recorded = RecordedLocation(layout::kProgramFolderValue);
    std::vector<ItemInTheWay> items;
    const Item links[] = {Item::UninstallLink, Item::ReadmeLink, Item::LicenseLink};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string path = programFolder + layout::kShortcuts[i].link;
        bool exists = Exists(path);
        items.push_back(InTheWay(path, r, links[i],
                             exists && (product::LiesIn(ShortcutTarget(path), installDir, IsAnsiLeadByte) ||
                                        AtRecordedLocation(path, "", recorded, IsAnsiLeadByte))));
    }
    return Found(items);
}

std::string DestinationPathProblem(const std::string& installDir) {
    if (product::IsAbsoluteFolder(installDir, IsAnsiLeadByte) && installDir.size() + 16 < layout::kMaxPath)
        return std::string();
    return "Please enter the full path of a folder, such as C:\\Program Files\\Whirlmark or "
           "\\\\server\\share\\Whirlmark.";
}

}  // namespace setup
