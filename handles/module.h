// Module: a DLL this process loaded (freed when the owner goes) or one that was loaded
// already (only borrowed), and the look-up of its functions with a fallback. Functions
// that not every supported Windows exports are found this way, at run time.
#pragma once

#include <windows.h>

class Module {
public:
    Module() = default;
    ~Module();
    Module(Module&& other) noexcept;
    Module& operator=(Module&& other) noexcept;
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    // Loads `name` from the system directory by its full path, so that a file of the
    // same name in the current or program folder is never picked up. `flags` as for
    // LoadLibraryExA (0, or LOAD_LIBRARY_AS_DATAFILE). Empty when it is not there.
    static Module FromSystemDirectory(const char* name, DWORD flags = 0);
    // The same for a file in the Windows directory.
    static Module FromWindowsDirectory(const char* name, DWORD flags = 0);
    // Loads the file at the full path `path`, as for LoadLibraryExA (for example a
    // program's resources with LOAD_LIBRARY_AS_DATAFILE).
    static Module FromPath(const char* path, DWORD flags = 0);
    // Loads `name` through the DLL search. Only for a process whose search has been
    // restricted to the system folder; elsewhere use FromSystemDirectory.
    static Module ByName(const char* name, DWORD flags = 0);
    // Borrows a module that is already loaded in the process (kernel32.dll, user32.dll,
    // the program itself with null); empty when it is not loaded. Never freed.
    static Module Loaded(const char* name);

    explicit operator bool() const { return handle_ != nullptr; }
    HMODULE get() const { return handle_; }

    // The exported function `name` as a `Proc`, or `fallback` (null unless given) when
    // the module is empty or does not export it.
    template <typename Proc>
    Proc Find(const char* name, Proc fallback = nullptr) const {
        void* address = Address(name);
        return address ? reinterpret_cast<Proc>(address) : fallback;
    }

private:
    Module(HMODULE handle, bool owned) : handle_(handle), owned_(owned) {}
    static Module InFolder(UINT (WINAPI* folder)(LPSTR, UINT), const char* name, DWORD flags);
    void* Address(const char* name) const;
    void Release();

    HMODULE handle_ = nullptr;
    bool owned_ = false;
};
