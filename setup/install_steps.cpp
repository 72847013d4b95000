// Win32 side of the install: each step of the plan with its system calls.
#include "install_steps.h"

#include "install_layout.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace setup {

namespace {

const char kRegistryError[] = "error writing to registry";

bool IsLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

void CreateInstallFolders(const InstallPlan& plan) {
    for (const std::string& level : plan.installFolders)
        if (FitsPath(level)) CreateDirectoryA(level.c_str(), nullptr);
}

void CopyOneFile(const FileCopy& copy, InstallFeedback& feedback) {
    if (FitsPath(copy.source) && FitsPath(copy.destination) &&
        CopyFileA(copy.source.c_str(), copy.destination.c_str(), FALSE))
        return;
    feedback.ReportError("Error while copying to " + copy.destination);
}

void CopyProgramFiles(const InstallPlan& plan, InstallFeedback& feedback) {
    for (const FileCopy& copy : plan.programFiles) CopyOneFile(copy, feedback);
}

void CopyDocuments(const InstallPlan& plan, InstallFeedback& feedback) {
    for (const FileCopy& copy : plan.documents) CopyOneFile(copy, feedback);
}

// Creates the product key level by level; a level that fails is reported, and so is
// every level below it, which then has no parent to be created in.
void WriteInstallKeys(const InstallPlan& plan, InstallFeedback& feedback) {
    HKEY keys[layout::kKeyLevelCount] = {};
    HKEY parent = HKEY_CURRENT_USER;
    for (std::size_t i = 0; i < layout::kKeyLevelCount; ++i) {
        if (!parent ||
            RegCreateKeyExA(parent, layout::kKeyLevels[i], 0, const_cast<char*>(""),
                            REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &keys[i],
                            nullptr) != ERROR_SUCCESS) {
            keys[i] = nullptr;
            feedback.ReportError(kRegistryError);
        }
        parent = keys[i];
    }
    if (HKEY settings = keys[layout::kKeyLevelCount - 1]) {
        for (const RegistryValue& value : plan.values)
            RegSetValueExA(settings, value.name, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(value.data.c_str()),
                           static_cast<DWORD>(value.data.size() + 1));
    }
    for (std::size_t i = layout::kKeyLevelCount; i-- > 0;)
        if (keys[i]) RegCloseKey(keys[i]);
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

void CreateShortcuts(const InstallPlan& plan) {
    if (FitsPath(plan.programFolder)) CreateDirectoryA(plan.programFolder.c_str(), nullptr);
    for (const Shortcut& s : plan.shortcuts) CreateShortcut(s.target, s.link, s.description);
}

// Selects the installed saver in system.ini and switches the screen saver on; leaves
// both alone when the saver's short path cannot be had.
void MakeDefaultSaver(const InstallPlan& plan) {
    char shortPath[MAX_PATH] = "";
    DWORD n = GetShortPathNameA(plan.saverPath.c_str(), shortPath, MAX_PATH);
    std::optional<std::string> entry =
        DefaultSaverEntry(plan, n > 0 && n < MAX_PATH ? std::string(shortPath, n) : std::string());
    if (!entry) return;
    WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, entry->c_str(), layout::kIniFile);
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_UPDATEINIFILE);
}

}  // namespace

void CarryOutInstall(const InstallPlan& plan, InstallFeedback& feedback) {
    feedback.SetProgress(0);
    CreateInstallFolders(plan);
    feedback.SetProgress(15);
    CopyProgramFiles(plan, feedback);
    for (int position : {30, 45, 60, 75}) feedback.SetProgress(position);
    CopyDocuments(plan, feedback);
    feedback.SetProgress(90);
    WriteInstallKeys(plan, feedback);
    feedback.SetProgress(100);
    CreateShortcuts(plan);
    MakeDefaultSaver(plan);
}

InstallPlan PlanForThisMachine(const InstallChoices& choices) {
    return MakeInstallPlan(choices, IsLeadByte);
}

}  // namespace setup
