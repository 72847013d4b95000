// Bitmap pixels made ready for a mipmapped texture: scaled to power-of-two sides by area
// averaging, packed without row padding, and halved level by level. Portable.
#pragma once

#include <cstdint>
#include <vector>

// The power of two nearest to `size` (the larger one on a tie), at least 1 and at most
// `limit` (itself a power of two).
int NearestPowerOfTwo(int size, int limit);

// The source cells [first, first + count) covering each output cell of a resampling, and
// their area weights from weights[weightsAt] on; how ScaledRows scales either way.
struct ScaleSpans {
    struct Span {
        int first = 0;
        int count = 0;
        int weightsAt = 0;
    };
    std::vector<Span> spans;
    std::vector<std::uint32_t> weights;
};

// The rows of a width x height image whose rows lie `stride` bytes apart, scaled to the
// nearest power-of-two sides no larger than maxSide, made one at a time from the bottom
// up: a texture's first level can be sent in bands without ever being held whole. Every
// output pixel is the area-weighted mean of the source pixels it covers, in fixed point
// (within one step of the exact mean), so a uniform image stays uniform to its last row
// and column. Sides that are already powers of two are copied unchanged. It holds two rows
// of sums and the source, which must outlive it.
class ScaledRows {
public:
    ScaledRows(const std::uint8_t* pixels, int width, int height, int stride, int bytesPerPixel, int maxSide);

    // False for sizes below 1, a stride shorter than a row or a bytesPerPixel outside
    // 1..4: then there are no rows.
    bool Valid() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // True when the sides are the source's own: the rows are the source's, unpadded.
    bool Unscaled() const { return unscaled_; }

    // Writes the next row, Width() x bytesPerPixel bytes, to `target`; nothing after the
    // last one.
    void Next(std::uint8_t* target);

private:
    const std::uint8_t* pixels_;
    int stride_, bpp_;
    int width_ = 0, height_ = 0, next_ = 0;
    bool unscaled_ = false;
    ScaleSpans across_, down_;
    int scaledRow_ = -1;  // source row held in scaled_
    std::vector<std::uint32_t> scaled_, sums_;
};

// The next mipmap level of a packed width x height image: each side halved (a side of 1
// stays 1), each pixel the rounded mean of the two or four it replaces. `to` may be
// `from` itself (the level is built in place) or a buffer of at least the new size.
void HalveImage(const std::uint8_t* from, int width, int height, int bytesPerPixel, std::uint8_t* to);
