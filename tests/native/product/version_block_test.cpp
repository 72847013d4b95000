// Version resource bytes: the company string after its key, the fixed file version.
#include "version_block.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Utf16(std::vector<std::uint8_t>& b, const char* text) {
    for (const char* c = text;; ++c) {
        b.push_back(static_cast<std::uint8_t>(*c));
        b.push_back(0);
        if (!*c) break;
    }
}

}  // namespace

TEST(VersionBlock, CompanyAndFileVersion) {
    std::vector<std::uint8_t> b(6, 0);  // a node header before the key
    Utf16(b, "CompanyName");            // ends at byte 30: two bytes of padding
    b.push_back(0), b.push_back(0);
    Utf16(b, "Brindlecroft");
    EXPECT_EQ(product::CompanyNameIn(b.data(), b.size()), "Brindlecroft");
    EXPECT_EQ(product::CompanyNameIn(b.data(), b.size() - 6), "");  // cut inside the value
    EXPECT_EQ(product::FileVersionIn(b.data(), b.size()), "");

    const std::uint8_t fixed[] = {0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0};
    std::vector<std::uint8_t> v(4, 0);
    v.insert(v.end(), fixed, fixed + sizeof fixed);
    EXPECT_EQ(product::FileVersionIn(v.data(), v.size()), "1.0.0.1");
}
