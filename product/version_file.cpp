// Version resources of program files; see version_file.h.
#include "version_file.h"

#include <windows.h>

#include "version_block.h"

namespace product {

namespace {

// Calls `read` with the bytes of `path`'s version resource, loaded as data only.
template <typename Read>
std::string WithVersionBlock(const std::string& path, Read read) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return std::string();
    std::string result;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_VERSION));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes) result = read(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found));
    FreeLibrary(module);
    return result;
}

}  // namespace

std::string FileCompany(const std::string& path) { return WithVersionBlock(path, CompanyNameIn); }

std::string FileVersion(const std::string& path) { return WithVersionBlock(path, FileVersionIn); }

}  // namespace product
