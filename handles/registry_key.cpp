// RegistryKey: opening, creating and closing, and reading and writing values.
#include "registry_key.h"

#include <vector>

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

std::string RegistryKey::ReadText(const char* name, DWORD limit) const {
    if (!key_) return std::string();
    // Room for the terminator, which the stored value may or may not have.
    std::vector<char> buffer(limit + 1);
    DWORD size = limit + 1, type = REG_NONE;
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ || size > buffer.size())
        return std::string();
    std::string text(buffer.data(), size);
    return text.substr(0, text.find('\0'));
}

bool RegistryKey::SetText(const char* name, const std::string& text) const {
    return key_ && RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::SetNumber(const char* name, DWORD number) const {
    return key_ && RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                  sizeof number) == ERROR_SUCCESS;
}
