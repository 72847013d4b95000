// Scaling bitmaps to power-of-two textures: sizes, padding, edges and averages, the
// fixed-point scaler next to the exact one, and mipmap halving.
#include "reference_scaler.h"
#include "texture_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {
// A bottom-up image with rows padded to 4 bytes, pixel (x, y) = f(x, y, channel).
template <typename F>
std::vector<std::uint8_t> MakeImage(int width, int height, int bpp, F f) {
    const int stride = (width * bpp + 3) / 4 * 4;
    std::vector<std::uint8_t> pixels(static_cast<size_t>(stride) * height, 0xEE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < bpp; ++c) pixels[y * stride + x * bpp + c] = f(x, y, c);
    return pixels;
}

int Stride(int width, int bpp) { return (width * bpp + 3) / 4 * 4; }
}  // namespace

TEST(TextureImage, SidesGoToTheNearestPowerOfTwoWithinTheLimit) {
    EXPECT_EQ(NearestPowerOfTwo(640, 2048), 512);
    EXPECT_EQ(NearestPowerOfTwo(480, 2048), 512);
    EXPECT_EQ(NearestPowerOfTwo(756, 2048), 512);
    EXPECT_EQ(NearestPowerOfTwo(768, 2048), 1024);  // a tie goes up
    EXPECT_EQ(NearestPowerOfTwo(512, 2048), 512);
    EXPECT_EQ(NearestPowerOfTwo(1, 2048), 1);
    EXPECT_EQ(NearestPowerOfTwo(5, 2048), 4);
    EXPECT_EQ(NearestPowerOfTwo(3000, 1024), 1024);
    EXPECT_EQ(NearestPowerOfTwo(0, 1024), 1);
}

TEST(TextureImage, UniformImagesStayUniformToTheLastRowAndColumn) {
    // Shrinking, growing and mixed, with padded rows; a lost edge row would show as 0.
    const int sizes[][2] = {{5, 4}, {640, 480}, {756, 512}, {10, 4}, {3, 7}, {6, 6}, {1, 3}};
    for (const auto& size : sizes) {
        for (int bpp : {3, 4}) {
            const auto source = MakeImage(size[0], size[1], bpp, [](int, int, int c) {
                return static_cast<std::uint8_t>(100 + 50 * c);
            });
            const TextureImage t =
                ScaleToPowerOfTwo(source.data(), size[0], size[1], Stride(size[0], bpp), bpp, 2048);
            ASSERT_EQ(t.pixels.size(), static_cast<size_t>(t.width) * t.height * bpp);
            for (size_t i = 0; i < t.pixels.size(); ++i)
                ASSERT_EQ(t.pixels[i], 100 + 50 * static_cast<int>(i % bpp))
                    << size[0] << "x" << size[1] << " bpp " << bpp << " byte " << i;
        }
    }
}

TEST(TextureImage, PowerOfTwoImagesAreCopiedWithoutTheirPadding) {
    // 2 pixels of 3 bytes: 6 bytes a row, padded to 8.
    const auto source = MakeImage(2, 2, 3, [](int x, int y, int c) {
        return static_cast<std::uint8_t>(x * 100 + y * 10 + c);
    });
    const TextureImage t = ScaleToPowerOfTwo(source.data(), 2, 2, 8, 3, 2048);
    EXPECT_EQ(t.width, 2);
    EXPECT_EQ(t.height, 2);
    const std::vector<std::uint8_t> expected = {0, 1, 2, 100, 101, 102, 10, 11, 12, 110, 111, 112};
    EXPECT_EQ(t.pixels, expected);
}

TEST(TextureImage, RowsKeepTheirPlaceAndColumnsAverage) {
    // Rows of distinct colours, 5 columns shrunk to 4: every row keeps its colour.
    const auto rows = MakeImage(5, 4, 3, [](int, int y, int c) {
        return static_cast<std::uint8_t>(c == y % 3 ? 255 : 0);
    });
    const TextureImage t = ScaleToPowerOfTwo(rows.data(), 5, 4, Stride(5, 3), 3, 2048);
    ASSERT_EQ(t.width, 4);
    ASSERT_EQ(t.height, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(t.pixels[(y * 4 + x) * 3 + c], c == y % 3 ? 255 : 0) << x << "," << y;

    // Halving a two-tone row averages each pair.
    const std::uint8_t pair[] = {0, 200, 100, 50, 0, 0, 0, 0};
    const TextureImage half = ScaleToPowerOfTwo(pair, 4, 1, 8, 1, 2);
    ASSERT_EQ(half.width, 2);
    EXPECT_EQ(half.pixels, (std::vector<std::uint8_t>{100, 75}));
}

TEST(TextureImage, RejectsWhatItCannotScale) {
    const std::uint8_t one[4] = {};
    EXPECT_TRUE(ScaleToPowerOfTwo(nullptr, 1, 1, 4, 3, 64).pixels.empty());
    EXPECT_TRUE(ScaleToPowerOfTwo(one, 0, 1, 4, 3, 64).pixels.empty());
    EXPECT_TRUE(ScaleToPowerOfTwo(one, 1, -1, 4, 3, 64).pixels.empty());
    EXPECT_TRUE(ScaleToPowerOfTwo(one, 1, 1, 4, 5, 64).pixels.empty());
    EXPECT_TRUE(ScaleToPowerOfTwo(one, 2, 1, 4, 3, 64).pixels.empty());  // stride too short
}

TEST(TextureImage, FixedPointScalingStaysWithinOneStepOfTheExactMean) {
    // The shipped sizes, growing and mixed sides, a side past the cap; smooth gradients
    // with noise, so rounding meets every fraction.
    const int sizes[][2] = {{640, 480}, {756, 512}, {3, 7}, {10, 4}, {300, 200}, {96, 100}, {5000, 3}};
    for (const auto& size : sizes) {
        for (int bpp : {3, 4}) {
            const auto source = MakeImage(size[0], size[1], bpp, [](int x, int y, int c) {
                return static_cast<std::uint8_t>((x * 7 + y * 3 + c * 50 + ((x * 31 + y * 17) % 23) * 5) & 255);
            });
            const int stride = Stride(size[0], bpp);
            const TextureImage fast = ScaleToPowerOfTwo(source.data(), size[0], size[1], stride, bpp, 2048);
            const TextureImage exact =
                ReferenceScaleToPowerOfTwo(source.data(), size[0], size[1], stride, bpp, 2048);
            ASSERT_EQ(fast.width, exact.width);
            ASSERT_EQ(fast.height, exact.height);
            ASSERT_LE(fast.width, 2048);
            ASSERT_EQ(fast.pixels.size(), exact.pixels.size());
            int worst = 0;
            for (size_t i = 0; i < fast.pixels.size(); ++i)
                worst = std::max(worst, std::abs(fast.pixels[i] - exact.pixels[i]));
            EXPECT_LE(worst, 1) << size[0] << "x" << size[1] << " bpp " << bpp;
        }
    }
}

TEST(TextureImage, HalvingAveragesQuadsOrPairsAndWorksInPlace) {
    // 4 x 2, one channel: each 2 x 2 block becomes its rounded mean.
    std::vector<std::uint8_t> square = {0, 10, 100, 101, 20, 31, 200, 200};
    HalveImage(square.data(), 4, 2, 1, square.data());
    EXPECT_EQ(square[0], 15);   // (0 + 10 + 20 + 31 + 2) / 4
    EXPECT_EQ(square[1], 150);  // (100 + 101 + 200 + 200 + 2) / 4
    // A column of one pixel halves its height only; a row its width only.
    std::vector<std::uint8_t> column = {10, 20, 30, 60};  // 1 x 2, two channels
    HalveImage(column.data(), 1, 2, 2, column.data());
    EXPECT_EQ(column[0], 20);
    EXPECT_EQ(column[1], 40);
    const std::uint8_t row[] = {1, 2, 255, 254};
    std::uint8_t halved[2] = {};
    HalveImage(row, 4, 1, 1, halved);
    EXPECT_EQ(halved[0], 2);  // (1 + 2 + 1) / 2
    EXPECT_EQ(halved[1], 255);
}
