// Win32 side of the install: each step of the plan with its system calls.
#include "install_steps.h"

#include "ansi_code_page.h"
#include "folder_paths.h"
#include "install_layout.h"
#include "registry_key.h"
#include "uninstall_entry.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace setup {

namespace {

using product::Item;

const char kRegistryError[] = "error writing to registry";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// One run of the steps: the plan, where results go, and the record being built.
struct Run {
    const InstallPlan& plan;
    InstallFeedback& feedback;
    product::StepLog& log;
    const InstallContext& context;
    product::InstallRecord record;

    bool PreviouslyCreated(Item item) const { return context.previous && context.previous->Created(item); }
};

// Makes each missing level in `levels`, shortest first; the levels made are recorded.
// Levels an earlier install made stay recorded.
void MakeLevels(Run& run, const std::vector<std::string>& levels) {
    for (const std::string& level : levels) {
        bool ours = false;
        if (run.context.previous)
            for (const std::string& f : run.context.previous->createdFolders)
                ours = ours || product::SamePath(f, level, product::IsAnsiLeadByte);
        if (Exists(level)) {
            if (ours) run.record.createdFolders.push_back(level);
            continue;
        }
        bool made = FitsPath(level) && CreateDirectoryA(level.c_str(), nullptr);
        if (run.log.Step(made, "create folder " + level)) run.record.createdFolders.push_back(level);
    }
}

void CopyOneFile(Run& run, const FileCopy& copy, Item item) {
    bool ok = FitsPath(copy.source) && FitsPath(copy.destination);
    if (ok) {
        // A read-only file of ours from an earlier install would refuse the copy.
        SetFileAttributesA(copy.destination.c_str(), FILE_ATTRIBUTE_NORMAL);
        ok = CopyFileA(copy.source.c_str(), copy.destination.c_str(), FALSE) != FALSE;
        // A copy keeps the attributes of its source, read-only on a CD.
        if (ok) ok = SetFileAttributesA(copy.destination.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
    }
    run.record.SetCreated(item, ok || (run.PreviouslyCreated(item) && Exists(copy.destination)));
    if (!run.log.Step(ok, "copy " + copy.source + " to " + copy.destination))
        run.feedback.ReportError("Error while copying to " + copy.destination);
}

// Creates the product key level by level; a level that fails is reported, and so is
// every level below it, which then has no parent to be created in.
void WriteInstallKeys(Run& run) {
    RegistryKey keys[layout::kKeyLevelCount];
    HKEY parent = HKEY_CURRENT_USER;
    bool ok = true;
    for (std::size_t i = 0; i < layout::kKeyLevelCount; ++i) {
        keys[i] = RegistryKey::Create(parent, layout::kKeyLevels[i], KEY_READ | KEY_WRITE);
        if (!keys[i]) {
            ok = false;
            run.feedback.ReportError(kRegistryError);
        }
        parent = keys[i].get();
    }
    if (const RegistryKey& settings = keys[layout::kKeyLevelCount - 1]) {
        for (const RegistryValue& value : run.plan.values) ok = settings.SetText(value.name, value.data) && ok;
    }
    run.log.Step(ok, std::string("write registry values under HKEY_CURRENT_USER\\") + layout::kSettingsKey);
}

// The Add/Remove Programs entry, for every account in HKEY_LOCAL_MACHINE, else for this one.
void WriteUninstallEntry(Run& run) {
    const std::string uninstaller = run.plan.installDir + layout::kUninstaller;
    const std::string quoted = "\"" + uninstaller + "\"";
    const char* rootName = "HKLM";
    RegistryKey key = RegistryKey::Create(HKEY_LOCAL_MACHINE, product::kUninstallKey);
    if (!key) {
        rootName = "HKCU";
        key = RegistryKey::Create(HKEY_CURRENT_USER, product::kUninstallKey);
    }
    bool ok = static_cast<bool>(key);
    if (key) {
        run.record.uninstallRoot = rootName;
        ok = key.SetText("DisplayName", product::kDisplayName) &&
             key.SetText("DisplayVersion", run.context.displayVersion) &&
             key.SetText("Publisher", product::kPublisher) &&
             key.SetText("InstallLocation", run.plan.installDir) &&
             key.SetText("UninstallString", quoted) &&
             key.SetText("QuietUninstallString", quoted + " /S") &&
             key.SetText("DisplayIcon", uninstaller) &&
             key.SetText("URLInfoAbout", run.context.productLink) &&
             key.SetNumber("EstimatedSize", static_cast<DWORD>((run.context.installedBytes + 1023) / 1024)) &&
             key.SetNumber("NoModify", 1) && key.SetNumber("NoRepair", 1);
    }
    run.log.Step(ok, std::string("write the Add/Remove Programs entry under ") + rootName + "\\" +
                         product::kUninstallKey);
}

// Saves a shell link to `target` with `description` as `link`; returns the last COM result.
HRESULT CreateShortcut(const std::string& target, const std::string& link,
                       const std::string& description) {
    if (!FitsPath(target) || !FitsPath(link)) return E_INVALIDARG;
    HRESULT init = CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&shellLink));
    if (SUCCEEDED(hr)) {
        shellLink->SetPath(target.c_str());
        shellLink->SetDescription(description.c_str());
        IPersistFile* file = nullptr;
        hr = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(hr)) {
            WCHAR wide[MAX_PATH];
            if (MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH) > 0)
                hr = file->Save(wide, TRUE);
            else
                hr = HRESULT_FROM_WIN32(GetLastError());
            file->Release();
        }
        shellLink->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return hr;
}

void CreateShortcuts(Run& run) {
    run.record.programFolder = run.plan.programFolder;
    if (run.plan.programFolder.empty()) {
        run.log.Note("note    the Start menu's Programs folder was not found: no shortcuts");
        return;
    }
    MakeLevels(run, product::FolderLevels(run.plan.programFolder, product::IsAnsiLeadByte));
    const Item items[] = {Item::UninstallLink, Item::ReadmeLink, Item::LicenseLink};
    for (std::size_t i = 0; i < run.plan.shortcuts.size() && i < 3; ++i) {
        const Shortcut& s = run.plan.shortcuts[i];
        SetFileAttributesA(s.link.c_str(), FILE_ATTRIBUTE_NORMAL);
        bool ok = SUCCEEDED(CreateShortcut(s.target, s.link, s.description));
        run.record.SetCreated(items[i], ok || (run.PreviouslyCreated(items[i]) && Exists(s.link)));
        run.log.Step(ok, "create shortcut " + s.link);
    }
}

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = "";
    DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

// Whether the screen saver is switched on, as the desktop settings store it; the system's
// answer where they hold no value.
BOOL ScreenSaverSwitchedOn() {
    const std::string value =
        RegistryKey::Open(HKEY_CURRENT_USER, "Control Panel\\Desktop").ReadText("ScreenSaveActive", 8);
    if (!value.empty()) return value[0] == '1';
    BOOL active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active;
}

// Selects the installed saver in system.ini and switches the screen saver on, keeping
// the setting it replaces in the record; leaves both alone when the saver's short path
// cannot be had.
void MakeDefaultSaver(Run& run) {
    const std::string shortPath = ShortForm(run.plan.saverPath);
    std::optional<std::string> entry = DefaultSaverEntry(run.plan, shortPath);
    if (!run.plan.makeDefaultSaver) return;
    if (!entry) {
        run.log.Step(false, "make Whirlmark the screen saver: " + run.plan.saverPath + " is missing");
        return;
    }
    char current[MAX_PATH] = "";
    GetPrivateProfileStringA(layout::kIniSection, layout::kIniKey, "", current, MAX_PATH, layout::kIniFile);
    BOOL active = ScreenSaverSwitchedOn();
    const product::InstallRecord* previous = run.context.previous;
    if (product::SamePath(current, shortPath, product::IsAnsiLeadByte) ||
        product::SamePath(current, run.plan.saverPath, product::IsAnsiLeadByte)) {
        // Ours already: the one to put back is the one the earlier install replaced.
        if (previous && previous->replacedSaver) {
            run.record.replacedSaver = true;
            run.record.previousSaver = previous->previousSaver;
            run.record.previousSaverActive = previous->previousSaverActive;
        }
    } else {
        run.record.replacedSaver = true;
        run.record.previousSaver = current;
        run.record.previousSaverActive = active != FALSE;
    }
    bool ok = WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, entry->c_str(),
                                         layout::kIniFile) != FALSE;
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_UPDATEINIFILE);
    run.log.Step(ok, "make Whirlmark the screen saver in system.ini");
}

void WriteRecordFile(Run& run) {
    const std::string path = run.plan.installDir + product::kRecordFile;
    const std::string text = product::WriteRecord(run.record);
    bool ok = false;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = FitsPath(path) ? CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr)
                                 : INVALID_HANDLE_VALUE;
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
             written == text.size();
        ok = CloseHandle(file) && ok;
    }
    run.log.Step(ok, "write the install record " + path);
}

}  // namespace

void CarryOutInstall(const InstallPlan& plan, InstallFeedback& feedback, product::StepLog& log,
                     const InstallContext& context) {
    Run run{plan, feedback, log, context, {}};
    run.record.installDir = plan.installDir;
    if (!plan.programFiles.empty()) run.record.saverPath = plan.programFiles[0].destination;

    feedback.SetProgress(0);
    MakeLevels(run, plan.installFolders);
    feedback.SetProgress(15);
    const Item programItems[] = {Item::Saver, Item::Uninstaller};
    for (std::size_t i = 0; i < plan.programFiles.size() && i < 2; ++i)
        CopyOneFile(run, plan.programFiles[i], programItems[i]);
    for (int position : {30, 45, 60, 75}) feedback.SetProgress(position);
    const Item documentItems[] = {Item::License, Item::Readme};
    for (std::size_t i = 0; i < plan.documents.size() && i < 2; ++i)
        CopyOneFile(run, plan.documents[i], documentItems[i]);
    feedback.SetProgress(90);
    WriteInstallKeys(run);
    WriteUninstallEntry(run);
    feedback.SetProgress(100);
    CreateShortcuts(run);
    MakeDefaultSaver(run);
    WriteRecordFile(run);
}

void CarryOutInstall(const InstallPlan& plan, InstallFeedback& feedback) {
    product::StepLog log;
    CarryOutInstall(plan, feedback, log);
}

InstallPlan PlanForThisMachine(const InstallChoices& choices) {
    return MakeInstallPlan(choices, product::IsAnsiLeadByte);
}

}  // namespace setup
