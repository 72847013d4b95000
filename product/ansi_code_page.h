// The lead bytes of this machine's ANSI code page, for the portable path rules
// (ansi_chars.h, folder_paths.h). Win32 glue.
#pragma once

namespace product {

// Whether `c` opens a two-byte character in the ANSI code page (IsDBCSLeadByte): 0x81 to
// 0x9F and 0xE0 to 0xFC in code page 932, none in a single-byte code page.
bool IsAnsiLeadByte(unsigned char c);

}  // namespace product
