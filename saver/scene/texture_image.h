// Bitmap pixels made ready for a mipmapped texture: scaled to power-of-two sides by area
// averaging, packed without row padding, and halved level by level. Portable.
#pragma once

#include <cstdint>
#include <vector>

// Tightly packed pixels, bottom row first, channels in the bitmap's own order.
struct TextureImage {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    std::vector<std::uint8_t> pixels;
};

// The power of two nearest to `size` (the larger one on a tie), at least 1 and at most
// `limit` (itself a power of two).
int NearestPowerOfTwo(int size, int limit);

// Scales a width x height image whose rows lie `stride` bytes apart to the nearest
// power-of-two sides no larger than maxSide. Every output pixel is the area-weighted mean
// of the source pixels it covers, in fixed point (within one step of the exact mean), so
// a uniform image stays uniform to its last row and column. Works one output row at a
// time: besides the result it holds two rows of sums. Sides that are already powers of
// two are copied unchanged. An empty result for sizes below 1 or a bytesPerPixel outside
// 1..4.
TextureImage ScaleToPowerOfTwo(const std::uint8_t* pixels, int width, int height, int stride,
                               int bytesPerPixel, int maxSide);

// The next mipmap level of a packed width x height image: each side halved (a side of 1
// stays 1), each pixel the rounded mean of the two or four it replaces. `to` may be
// `from` itself (the level is built in place) or a buffer of at least the new size.
void HalveImage(const std::uint8_t* from, int width, int height, int bytesPerPixel, std::uint8_t* to);
