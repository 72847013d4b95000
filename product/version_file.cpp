// Version resources of program files; see version_file.h.
#include "version_file.h"

#include <windows.h>

#include "module.h"
#include "version_block.h"

namespace product {

namespace {

// Calls `read` with the bytes of `path`'s version resource, loaded as data only.
template <typename Read>
std::string WithVersionBlock(const std::string& path, Read read) {
    const Module file = Module::FromPath(path.c_str(), LOAD_LIBRARY_AS_DATAFILE);
    if (!file) return std::string();
    HMODULE module = file.get();
    std::string result;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_VERSION));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes) result = read(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found));
    return result;
}

}  // namespace

std::string FileCompany(const std::string& path) { return WithVersionBlock(path, CompanyNameIn); }

std::string FileVersion(const std::string& path) { return WithVersionBlock(path, FileVersionIn); }

}  // namespace product
