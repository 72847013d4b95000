// The shipped saver, built by the i686 tree, is a 32-bit (PE32, i386) Windows GUI program.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {
std::uint32_t Read32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Read16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
}  // namespace

TEST(ShippedSaver, IsA32BitGuiProgram) {
    std::ifstream file(WHIRL_WIN32_SAVER, std::ios::binary);
    if (!file) GTEST_SKIP() << "not built: " << WHIRL_WIN32_SAVER;
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 0x40u);
    ASSERT_EQ(bytes[0], 'M');
    ASSERT_EQ(bytes[1], 'Z');
    const std::size_t pe = Read32(bytes, 0x3C);
    ASSERT_LT(pe + 24 + 70, bytes.size());
    EXPECT_EQ(Read32(bytes, pe), 0x00004550u);         // "PE\0\0"
    EXPECT_EQ(Read16(bytes, pe + 4), 0x014Cu);         // machine i386
    const std::size_t optional = pe + 24;
    EXPECT_EQ(Read16(bytes, optional), 0x010Bu);       // PE32 optional header
    EXPECT_EQ(Read16(bytes, optional + 68), 2u);       // subsystem: Windows GUI
    EXPECT_FALSE(Read16(bytes, pe + 22) & 0x2000u);    // an executable, not a DLL
}
