// The double-byte ANSI code pages the path rules are tested with: each one's lead bytes
// (what IsDBCSLeadByte answers there) and characters whose second byte is "\" (0x5C),
// "|" (0x7C) or a letter, the bytes a rule that reads bytes gets wrong.
#pragma once

#include <string>
#include <vector>

#include "ansi_chars.h"

namespace cp {

inline bool Lead932(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
inline bool Lead936(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
inline bool Lead949(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
inline bool Lead950(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

struct DoubleByteCodePage {
    int number;
    product::LeadByteTest isLeadByte;
    std::string slash;  // a character whose second byte is 0x5C
    std::string bar;    // one whose second byte is 0x7C
    std::string upper;  // one whose second byte is "A"
    std::string lower;  // the character with the same first byte and "a" second
};

// Code page 949 has no character with a second byte of 0x5C or 0x7C; CharNextA still
// steps over a lead byte and the byte after it, and so must the rules.
inline const std::vector<DoubleByteCodePage>& DoubleByteCodePages() {
    static const std::vector<DoubleByteCodePage> pages = {
        {932, Lead932, "\x95\x5C" /* 表 */, "\x83\x7C" /* ポ */, "\x83\x41" /* ア */, "\x83\x61" /* ヂ */},
        {936, Lead936, "\x81\x5C" /* 乗 */, "\x81\x7C" /* 亅 */, "\x81\x41" /* 丄 */, "\x81\x61" /* 乤 */},
        {949, Lead949, "\x81\x5C", "\x81\x7C", "\x81\x41" /* 갂 */, "\x81\x61" /* 갵 */},
        {950, Lead950, "\xA5\x5C" /* 功 */, "\xA4\x7C" /* 弋 */, "\xA4\x41" /* 乙 */, "\xA4\x61" /* 兀 */},
    };
    return pages;
}

}  // namespace cp
