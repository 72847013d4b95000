// ANSI text walked by characters, not bytes. In a double-byte code page (932, 936, 949,
// 950) a lead byte and the byte after it are one character, and that second byte can
// have the code of "\" (0x5C), "|" (0x7C) or a letter: "表" is 0x95 0x5C in code page
// 932. The path rules take the code page's lead bytes as a predicate; the Win32 side
// passes product::IsAnsiLeadByte (ansi_code_page.h). Portable: no <windows.h>.
#pragma once

#include <cstddef>
#include <string>

namespace product {

// Whether a byte opens a two-byte character in the ANSI code page. Null stands for a
// single-byte code page, in which no byte does.
using LeadByteTest = bool (*)(unsigned char);

// The index just past the character that starts at `at`: two bytes on for a lead byte
// with a byte after it, one otherwise (as CharNextA steps).
std::size_t NextChar(const std::string& text, std::size_t at, LeadByteTest isLeadByte);

// The index of the first "\" character at or after byte `from`; npos when there is none.
// Second bytes of two-byte characters are never taken for one.
std::size_t FindSlash(const std::string& text, std::size_t from, LeadByteTest isLeadByte);

// The index of the last "\" character; npos when there is none.
std::size_t LastSlash(const std::string& text, LeadByteTest isLeadByte);

// Whether the last character of `text` is "\".
bool EndsWithSlash(const std::string& text, LeadByteTest isLeadByte);

// Whether `text` ends in a lead byte that has lost its second byte.
bool EndsInsideChar(const std::string& text, LeadByteTest isLeadByte);

// The first `count` characters of `text` (all of it when it has fewer).
std::string FirstChars(const std::string& text, std::size_t count, LeadByteTest isLeadByte);

// `text` with the letters A to Z made lower case; the bytes of two-byte characters are
// kept as they are.
std::string LowerAscii(const std::string& text, LeadByteTest isLeadByte);

}  // namespace product
