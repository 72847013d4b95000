// Module: loading by full path or restricted search, borrowing, function look-up.
#include "module.h"

#include <cstring>

Module::~Module() { Release(); }

Module::Module(Module&& other) noexcept : handle_(other.handle_), owned_(other.owned_) {
    other.handle_ = nullptr;
    other.owned_ = false;
}

Module& Module::operator=(Module&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = other.handle_;
        owned_ = other.owned_;
        other.handle_ = nullptr;
        other.owned_ = false;
    }
    return *this;
}

void Module::Release() {
    if (handle_ && owned_) FreeLibrary(handle_);
    handle_ = nullptr;
    owned_ = false;
}

namespace {

// No "missing DLL" box on the 9x family when the file is absent: the caller falls back.
HMODULE LoadQuietly(const char* path, DWORD flags) {
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryExA(path, nullptr, flags);
    SetErrorMode(previous);
    return module;
}

// Whether the last character of the `length` bytes of `path` is "\". Walked by
// characters: the second byte of a double-byte character can be 0x5C.
bool EndsWithBackslash(const char* path, UINT length) {
    UINT last = 0;
    for (UINT k = 0; k < length; k += IsDBCSLeadByte(static_cast<BYTE>(path[k])) && k + 1 < length ? 2 : 1) last = k;
    return length > 0 && last == length - 1 && path[last] == '\\';
}

}  // namespace

Module Module::InFolder(UINT (WINAPI* folder)(LPSTR, UINT), const char* name, DWORD flags) {
    char path[MAX_PATH];
    UINT length = folder(path, MAX_PATH);
    std::size_t nameLength = std::strlen(name);
    if (length == 0 || length + 1 + nameLength >= MAX_PATH) return Module();
    if (!EndsWithBackslash(path, length)) path[length++] = '\\';
    std::memcpy(path + length, name, nameLength + 1);
    return Module(LoadQuietly(path, flags), true);
}

Module Module::FromSystemDirectory(const char* name, DWORD flags) {
    return InFolder(GetSystemDirectoryA, name, flags);
}

Module Module::FromWindowsDirectory(const char* name, DWORD flags) {
    return InFolder(GetWindowsDirectoryA, name, flags);
}

Module Module::FromPath(const char* path, DWORD flags) { return Module(LoadQuietly(path, flags), true); }

Module Module::ByName(const char* name, DWORD flags) {
    return Module(LoadQuietly(name, flags), true);
}

Module Module::Loaded(const char* name) { return Module(GetModuleHandleA(name), false); }

void* Module::Address(const char* name) const {
    if (!handle_) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(handle_, name));
}
