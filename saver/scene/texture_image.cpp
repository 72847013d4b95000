// Power-of-two scaling and mipmap halving of texture images; see texture_image.h.
#include "texture_image.h"

#include <cstddef>

namespace {
// Weights are fixed point with this many fraction bits and add up to exactly 1 per
// output cell; horizontal sums keep 8 fraction bits into the vertical pass, so a sum of
// 255 x 2^8 x 2^14 stays inside 32 bits.
constexpr int kWeightBits = 14;
constexpr std::uint32_t kOne = 1u << kWeightBits;
constexpr int kCarryBits = 8;

ScaleSpans SpansOf(int from, int to) {
    ScaleSpans result;
    result.spans.resize(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        const double start = i * scale;
        const double end = (i + 1) * scale;
        ScaleSpans::Span& span = result.spans[static_cast<std::size_t>(i)];
        span.first = static_cast<int>(start);
        span.weightsAt = static_cast<int>(result.weights.size());
        std::uint32_t sum = 0;
        std::size_t largest = result.weights.size();
        for (int s = span.first; s < from && s < end; ++s) {
            const double lo = s > start ? s : start;
            const double hi = s + 1 < end ? s + 1 : end;
            const std::uint32_t w =
                hi > lo ? static_cast<std::uint32_t>((hi - lo) / scale * kOne + 0.5) : 0u;
            result.weights.push_back(w);
            if (w > result.weights[largest]) largest = result.weights.size() - 1;
            sum += w;
            ++span.count;
        }
        // Rounding leftovers go to the largest weight, so every span sums to one.
        if (span.count > 0) result.weights[largest] += kOne - sum;
    }
    return result;
}

// One source row of N-byte pixels resampled across into out.width x N values with
// kCarryBits fraction bits.
template <int N>
void ScaleRow(const std::uint8_t* row, const ScaleSpans& across, std::uint32_t* target) {
    constexpr int kShift = kWeightBits - kCarryBits;
    const std::uint32_t* weights = across.weights.data();
    for (const ScaleSpans::Span& span : across.spans) {
        const std::uint32_t* w = weights + span.weightsAt;
        const std::uint8_t* p = row + static_cast<std::size_t>(span.first) * N;
        std::uint32_t sum[N] = {};
        for (int k = 0; k < span.count; ++k, p += N)
            for (int c = 0; c < N; ++c) sum[c] += w[k] * p[c];
        for (int c = 0; c < N; ++c) *target++ = (sum[c] + (1u << (kShift - 1))) >> kShift;
    }
}

void ScaleRow(const std::uint8_t* row, const ScaleSpans& across, int bpp, std::uint32_t* target) {
    switch (bpp) {
    case 1: ScaleRow<1>(row, across, target); break;
    case 2: ScaleRow<2>(row, across, target); break;
    case 3: ScaleRow<3>(row, across, target); break;
    default: ScaleRow<4>(row, across, target); break;
    }
}
}  // namespace

int NearestPowerOfTwo(int size, int limit) {
    if (limit < 1) limit = 1;
    int power = 1;
    while (power < size && power < limit) power *= 2;
    if (power > limit) power = limit;
    // power is now the first power of two at or above size (or the limit).
    if (power > 1 && power > size && size - power / 2 < power - size) power /= 2;
    return power;
}

ScaledRows::ScaledRows(const std::uint8_t* pixels, int width, int height, int stride, int bytesPerPixel,
                       int maxSide)
    : pixels_(pixels), stride_(stride), bpp_(bytesPerPixel) {
    if (!pixels || width < 1 || height < 1 || bytesPerPixel < 1 || bytesPerPixel > 4 ||
        stride < width * bytesPerPixel)
        return;
    width_ = NearestPowerOfTwo(width, maxSide);
    height_ = NearestPowerOfTwo(height, maxSide);
    unscaled_ = width_ == width && height_ == height;
    if (unscaled_) return;
    across_ = SpansOf(width, width_);
    down_ = SpansOf(height, height_);
    const std::size_t rowValues = static_cast<std::size_t>(width_) * bpp_;
    scaled_.resize(rowValues);
    sums_.resize(rowValues);
}

void ScaledRows::Next(std::uint8_t* target) {
    if (next_ >= height_) return;
    const int y = next_++;
    const std::size_t rowValues = static_cast<std::size_t>(width_) * bpp_;
    if (unscaled_) {
        const std::uint8_t* row = pixels_ + static_cast<std::size_t>(y) * stride_;
        for (std::size_t x = 0; x < rowValues; ++x) target[x] = row[x];
        return;
    }
    // The output row sums the across-scaled source rows of its span. Spans only move
    // forwards and share at most their boundary row, so the last scaled row is kept.
    constexpr std::uint32_t kHalf = 1u << (kWeightBits + kCarryBits - 1);
    const ScaleSpans::Span& span = down_.spans[static_cast<std::size_t>(y)];
    for (std::size_t v = 0; v < rowValues; ++v) sums_[v] = kHalf;
    for (int k = 0; k < span.count; ++k) {
        const int source = span.first + k;
        if (source != scaledRow_) {
            ScaleRow(pixels_ + static_cast<std::size_t>(source) * stride_, across_, bpp_, scaled_.data());
            scaledRow_ = source;
        }
        const std::uint32_t w = down_.weights[static_cast<std::size_t>(span.weightsAt + k)];
        for (std::size_t v = 0; v < rowValues; ++v) sums_[v] += w * scaled_[v];
    }
    for (std::size_t v = 0; v < rowValues; ++v) {
        const std::uint32_t value = sums_[v] >> (kWeightBits + kCarryBits);
        target[v] = static_cast<std::uint8_t>(value > 255 ? 255 : value);
    }
}

void HalveImage(const std::uint8_t* from, int width, int height, int bytesPerPixel, std::uint8_t* to) {
    const int w = width > 1 ? width / 2 : 1, h = height > 1 ? height / 2 : 1;
    const std::size_t bpp = static_cast<std::size_t>(bytesPerPixel);
    const std::size_t dx = width > 1 ? bpp : 0;
    const std::size_t dy = height > 1 ? static_cast<std::size_t>(width) * bpp : 0;
    const std::uint32_t terms = (dx ? 2u : 1u) * (dy ? 2u : 1u);
    // Every source pixel of a new one lies at or after its place, so in place is safe.
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = from + static_cast<std::size_t>(height > 1 ? 2 * y : y) * width * bpp;
        std::uint8_t* target = to + static_cast<std::size_t>(y) * w * bpp;
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = row + static_cast<std::size_t>(width > 1 ? 2 * x : x) * bpp;
            for (std::size_t c = 0; c < bpp; ++c) {
                std::uint32_t sum = p[c];
                if (dx) sum += p[c + dx];
                if (dy) sum += p[c + dy];
                if (dx && dy) sum += p[c + dx + dy];
                *target++ = static_cast<std::uint8_t>((sum + terms / 2) / terms);
            }
        }
    }
}
