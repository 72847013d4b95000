// RegistryKey: an open registry key, closed when its owner goes.
#pragma once

#include <windows.h>

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

private:
    explicit RegistryKey(HKEY key) : key_(key) {}
    HKEY key_ = nullptr;
};
