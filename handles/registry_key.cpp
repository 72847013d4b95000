// RegistryKey: opening, creating and closing.
#include "registry_key.h"

RegistryKey::~RegistryKey() {
    if (key_) RegCloseKey(key_);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        if (key_) RegCloseKey(key_);
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

RegistryKey RegistryKey::Open(HKEY parent, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (!parent || RegOpenKeyExA(parent, path, 0, access, &key) != ERROR_SUCCESS) return RegistryKey();
    return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY parent, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (!parent || RegCreateKeyExA(parent, path, 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                                   access, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}
