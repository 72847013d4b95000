// The version resource of a program file, read as data (no version.dll).
#pragma once

#include <string>

namespace product {

// The "CompanyName" and file version of `path`'s version resource; "" when it has none.
std::string FileCompany(const std::string& path);
std::string FileVersion(const std::string& path);

}  // namespace product
