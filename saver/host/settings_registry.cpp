// Reading and writing the saver's settings in the registry of the current user.
#include <windows.h>

#include "registry_key.h"
#include "settings.h"

namespace {
// Reads one value into `out` when it can be read as exactly 4 bytes and, when
// `dwordOnly`, is a REG_DWORD (a REG_SZ "100" would otherwise read as 0x00303031). A
// longer value fails the query; a shorter one is ignored too rather than filling part
// of the number.
void ReadFourBytes(HKEY key, const char* name, void* out, bool dwordOnly = false) {
    BYTE buffer[4];
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, name, nullptr, &type, buffer, &size) == ERROR_SUCCESS &&
        size == sizeof buffer && (!dwordOnly || type == REG_DWORD))
        CopyMemory(out, buffer, sizeof buffer);
}
}  // namespace

void SaverSettings::ReadSystemSaverValues() {
    passwordDelay = kDefaultPasswordDelay;
    mouseThreshold = kDefaultMouseThreshold;
    inPasswordCheck = 0;
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kSystemSaverKey);
    if (!key) return;
    ReadFourBytes(key.get(), kPasswordDelayValue, &passwordDelay);
    ReadFourBytes(key.get(), kMouseThresholdValue, &mouseThreshold);
}

void SaverSettings::ReadSettings() {
    SetDefaults();
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kSettingsKey);
    if (!key) return;
    for (const SettingEntry& entry : kSettingsTable)
        ReadFourBytes(key.get(), entry.valueName, &(this->*entry.field), true);
}

void SaverSettings::WriteSettings() const {
    const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kSettingsKey);
    if (!key) return;
    for (const SettingEntry& entry : kSettingsTable)
        key.SetNumber(entry.valueName, static_cast<DWORD>(this->*entry.field));
}
