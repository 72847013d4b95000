// The Add/Remove Programs entry taken out of one root; see uninstall_entry_key.h.
#include "uninstall_entry_key.h"

#include "registry_key.h"
#include "uninstall_entry.h"

namespace product {

EntryRemoval RemoveUninstallEntry(HKEY root) {
    RegistryKey entry = RegistryKey::Open(root, kUninstallKey, KEY_READ | KEY_SET_VALUE);
    if (!entry) return RegistryKey::Open(root, kUninstallKey) ? EntryRemoval::Failed : EntryRemoval::Gone;
    DWORD subkeys = 0;
    if (RegQueryInfoKeyA(entry.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return EntryRemoval::Failed;
    if (subkeys == 0) {
        entry = RegistryKey();
        LONG rc = RegDeleteKeyA(root, kUninstallKey);
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND ? EntryRemoval::Gone : EntryRemoval::Failed;
    }
    for (;;) {
        char name[256];
        DWORD size = sizeof name;
        LONG rc = RegEnumValueA(entry.get(), 0, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) return EntryRemoval::Emptied;
        if (rc != ERROR_SUCCESS || RegDeleteValueA(entry.get(), name) != ERROR_SUCCESS) return EntryRemoval::Failed;
    }
}

}  // namespace product
