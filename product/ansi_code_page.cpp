// The ANSI code page's lead bytes; see ansi_code_page.h.
#include "ansi_code_page.h"

#include <windows.h>

namespace product {

bool IsAnsiLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

}  // namespace product
