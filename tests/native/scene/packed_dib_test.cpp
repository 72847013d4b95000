// Bitmap resources read in place: the plain ones the art is made of are taken as they
// stand, anything else is left to the system's loader, and no header makes a row lie
// outside the resource.
#include "packed_dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A packed bitmap: a 40-byte header and `height` rows of `stride` bytes.
std::vector<std::uint8_t> Packed(std::int32_t width, std::int32_t height, int bits, int stride) {
    const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height) * stride;
    std::vector<std::uint8_t> b(40 + rows, 0x5A);
    Put32(b, 0, 40);
    Put32(b, 4, static_cast<std::uint32_t>(width));
    Put32(b, 8, static_cast<std::uint32_t>(height));
    b[12] = 1, b[13] = 0, b[14] = static_cast<std::uint8_t>(bits), b[15] = 0;
    for (std::size_t at = 16; at < 40; at += 4) Put32(b, at, 0);
    return b;
}
}  // namespace

TEST(PackedDib, PlainBitmapsAreReadInPlaceWithPaddedRows) {
    const auto sky = Packed(5, 3, 24, 16);
    PackedDibView view;
    ASSERT_TRUE(ReadPackedDib(sky.data(), sky.size(), view));
    EXPECT_EQ(view.pixels, sky.data() + 40);
    EXPECT_EQ(view.width, 5);
    EXPECT_EQ(view.height, 3);
    EXPECT_EQ(view.bytesPerPixel, 3);
    EXPECT_EQ(view.stride, 16);

    const auto wide = Packed(3, 2, 32, 12);
    ASSERT_TRUE(ReadPackedDib(wide.data(), wide.size(), view));
    EXPECT_EQ(view.bytesPerPixel, 4);
    EXPECT_EQ(view.stride, 12);
}

TEST(PackedDib, AnythingElseIsLeftToTheSystemAndNothingIsReadOutsideTheResource) {
    PackedDibView view;
    auto refused = [&view](const std::vector<std::uint8_t>& b, std::size_t size) {
        return !ReadPackedDib(b.data(), size, view) && view.pixels == nullptr;
    };
    const auto plain = Packed(5, 3, 24, 16);
    EXPECT_TRUE(refused(plain, plain.size() - 1)) << "last row cut short";
    EXPECT_TRUE(refused(plain, 39)) << "header cut short";
    EXPECT_FALSE(ReadPackedDib(nullptr, 100, view));

    EXPECT_TRUE(refused(Packed(5, -3, 24, 16), 40 + 48)) << "top-down";
    EXPECT_TRUE(refused(Packed(4, 4, 8, 4), 40 + 16)) << "palette";
    EXPECT_TRUE(refused(Packed(0, 3, 24, 0), 40)) << "no width";
    // Sides whose rows would overflow the size arithmetic, with a small resource.
    EXPECT_TRUE(refused(Packed(0x7FFFFFFF, 1, 32, 0), 40));
    EXPECT_TRUE(refused(Packed(2, 0x7FFFFFFF, 24, 0), 40));

    auto compressed = Packed(5, 3, 24, 16);
    Put32(compressed, 16, 3);  // BI_BITFIELDS
    EXPECT_TRUE(refused(compressed, compressed.size()));
    auto colours = Packed(5, 3, 24, 16);
    Put32(colours, 32, 2);
    EXPECT_TRUE(refused(colours, colours.size())) << "colour table before the rows";
    auto v5 = Packed(5, 3, 24, 16);
    Put32(v5, 0, 124);
    EXPECT_TRUE(refused(v5, v5.size())) << "a longer header";
}
