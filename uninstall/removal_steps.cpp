// Win32 side of the removal: each step of the plan with its system calls.
#include "removal_steps.h"

#include "install_layout.h"

#include <windows.h>

namespace uninstall {

namespace {

void DeleteIfNamed(const std::string& file) {
    if (!file.empty()) DeleteFileA(file.c_str());
}

void RemoveIfNamed(const std::string& folder) {
    if (!folder.empty()) RemoveDirectoryA(folder.c_str());
}

void RemoveFiles(const RemovalPlan& plan, RemovalFeedback& feedback) {
    feedback.SetProgress(0);
    DeleteIfNamed(plan.saverFile);
    feedback.SetProgress(30);
    for (const std::string& file : plan.installFiles) DeleteIfNamed(file);
    feedback.SetProgress(90);
    RemoveIfNamed(plan.installFolder);
}

void RemoveRegistryKeys(const RemovalPlan& plan, RemovalFeedback& feedback) {
    for (const KeyDeletion& pass : plan.keys) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, pass.parent.c_str(), 0, KEY_ALL_ACCESS, &key) ==
            ERROR_SUCCESS) {
            RegDeleteKeyA(key, pass.subkey.c_str());
            RegCloseKey(key);
        }
    }
    feedback.SetProgress(100);
}

void RemoveShortcuts(const RemovalPlan& plan) {
    for (const std::string& link : plan.shortcuts) DeleteIfNamed(link);
    RemoveIfNamed(plan.programFolder);
}

// The saver's short form, which Setup wrote into system.ini; empty when it cannot be had.
std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = "";
    DWORD n = path.empty() ? 0 : GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

void ResetDefaultSaver(const std::string& shortForm, const std::string& longForm) {
    char entry[MAX_PATH] = "";
    GetPrivateProfileStringA(layout::kIniSection, layout::kIniKey, "", entry, MAX_PATH,
                             layout::kIniFile);
    if (!NamesProductSaver(entry, shortForm, longForm)) return;
    WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, "", layout::kIniFile);
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_UPDATEINIFILE);
}

}  // namespace

void CarryOutRemoval(const RemovalPlan& plan, RemovalFeedback& feedback) {
    // Taken while the saver file still exists: its short form needs the file.
    const std::string saverShort = ShortForm(plan.saverFile);
    RemoveFiles(plan, feedback);
    RemoveRegistryKeys(plan, feedback);
    RemoveShortcuts(plan);
    ResetDefaultSaver(saverShort, plan.saverFile);
}

}  // namespace uninstall
