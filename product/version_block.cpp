// Version resource bytes; see version_block.h.
#include "version_block.h"

namespace product {

namespace {

std::uint32_t Dword(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

std::string FileVersionIn(const std::uint8_t* block, std::size_t size) {
    for (std::size_t i = 0; i + 16 <= size; i += 4) {
        if (Dword(block + i) != 0xFEEF04BDu) continue;
        const std::uint32_t ms = Dword(block + i + 8), ls = Dword(block + i + 12);
        return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." + std::to_string(ls >> 16) +
               "." + std::to_string(ls & 0xFFFF);
    }
    return std::string();
}

std::string CompanyNameIn(const std::uint8_t* block, std::size_t size) {
    static const char kKey[] = "CompanyName";
    const std::size_t keyBytes = sizeof kKey * 2;  // UTF-16 with its zero
    for (std::size_t i = 0; i + keyBytes <= size; i += 2) {
        bool match = true;
        for (std::size_t k = 0; k < sizeof kKey && match; ++k)
            match = block[i + 2 * k] == static_cast<std::uint8_t>(kKey[k]) && block[i + 2 * k + 1] == 0;
        if (!match) continue;
        std::size_t at = (i + keyBytes + 3) & ~static_cast<std::size_t>(3);  // values start on 4 bytes
        std::string value;
        for (; at + 1 < size; at += 2) {
            const unsigned c = block[at] | (block[at + 1] << 8);
            if (c == 0) return value;
            value += c < 128 ? static_cast<char>(c) : '?';
        }
        return std::string();
    }
    return std::string();
}

}  // namespace product
