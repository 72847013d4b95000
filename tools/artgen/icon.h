// The program icon of Setup.exe and Uninstall.exe: the product mark at 32 x 32 and
// 16 x 16, each in 256 colours (every Windows) and in 32-bit colour with alpha (Windows
// XP and later pick it), as one .ico file.
#pragma once

#include <cstdint>
#include <vector>

namespace artgen {

std::vector<std::uint8_t> encodeProgramIcon();

}  // namespace artgen
