// RegistryKey: an open registry key, closed when its owner goes.
#pragma once

#include <windows.h>

#include <string>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens `path` below `parent` with `access`; empty when it cannot be opened.
    static RegistryKey Open(HKEY parent, const char* path, REGSAM access = KEY_READ);
    // Opens `path` below `parent`, creating the missing levels as non-volatile keys;
    // empty when that fails.
    static RegistryKey Create(HKEY parent, const char* path, REGSAM access = KEY_WRITE);

    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

    // The REG_SZ value `name` (at most `limit` bytes); "" when it is missing, of another
    // type, longer, or the key is empty.
    std::string ReadText(const char* name, DWORD limit = 1024) const;
    // Writes `name` as REG_SZ or REG_DWORD; false when the key is empty or the write fails.
    bool SetText(const char* name, const std::string& text) const;
    bool SetNumber(const char* name, DWORD number) const;

private:
    explicit RegistryKey(HKEY key) : key_(key) {}
    HKEY key_ = nullptr;
};
