// Reading a version resource (VS_VERSIONINFO) from its bytes, without version.dll,
// which is not one of the system's Known DLLs. Portable: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace product {

// The file version "a.b.c.d" from the block's fixed part; "" when it has none.
std::string FileVersionIn(const std::uint8_t* block, std::size_t size);

// The "CompanyName" string of the block (ASCII letters kept, others as "?"); "" when absent.
std::string CompanyNameIn(const std::uint8_t* block, std::size_t size);

}  // namespace product
