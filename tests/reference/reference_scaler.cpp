// The texture scaler as it was first written, in doubles over whole images: the reference
// the product's fixed-point scaler is compared with. Test-only.
#include "reference_scaler.h"

#include <cstddef>

namespace {
// The source span [first, first + count) of weights covering one output cell of a
// resampling from `from` to `to` cells, all in units of one source cell.
struct Span {
    int first = 0;
    std::vector<double> weights;
};

std::vector<Span> AreaSpans(int from, int to) {
    std::vector<Span> spans(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        const double start = i * scale;
        const double end = (i + 1) * scale;
        Span& span = spans[static_cast<std::size_t>(i)];
        span.first = static_cast<int>(start);
        for (int s = span.first; s < from && s < end; ++s) {
            const double lo = s > start ? s : start;
            const double hi = s + 1 < end ? s + 1 : end;
            span.weights.push_back(hi > lo ? (hi - lo) / scale : 0.0);
        }
    }
    return spans;
}

std::uint8_t ToByte(double value) {
    if (value <= 0.0) return 0;
    if (value >= 255.0) return 255;
    return static_cast<std::uint8_t>(value + 0.5);
}
}  // namespace

TextureImage ReferenceScaleToPowerOfTwo(const std::uint8_t* pixels, int width, int height, int stride,
                                        int bytesPerPixel, int maxSide) {
    TextureImage out;
    if (!pixels || width < 1 || height < 1 || bytesPerPixel < 1 || bytesPerPixel > 4 ||
        stride < width * bytesPerPixel)
        return out;
    const int bpp = bytesPerPixel;
    out.width = NearestPowerOfTwo(width, maxSide);
    out.height = NearestPowerOfTwo(height, maxSide);
    out.bytesPerPixel = bpp;
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height * bpp);

    if (out.width == width && out.height == height) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width * bpp; ++x)
                out.pixels[static_cast<std::size_t>(y) * width * bpp + x] =
                    pixels[static_cast<std::size_t>(y) * stride + x];
        return out;
    }

    // Rows first (width changes), then columns (height changes), in doubles.
    const std::vector<Span> across = AreaSpans(width, out.width);
    const std::vector<Span> down = AreaSpans(height, out.height);
    const std::size_t rowValues = static_cast<std::size_t>(out.width) * bpp;
    std::vector<double> narrow(static_cast<std::size_t>(height) * rowValues, 0.0);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = pixels + static_cast<std::size_t>(y) * stride;
        double* target = &narrow[static_cast<std::size_t>(y) * rowValues];
        for (int x = 0; x < out.width; ++x) {
            const Span& span = across[static_cast<std::size_t>(x)];
            for (std::size_t k = 0; k < span.weights.size(); ++k) {
                const std::uint8_t* source = row + (static_cast<std::size_t>(span.first) + k) * bpp;
                for (int c = 0; c < bpp; ++c) target[x * bpp + c] += span.weights[k] * source[c];
            }
        }
    }
    for (int y = 0; y < out.height; ++y) {
        const Span& span = down[static_cast<std::size_t>(y)];
        std::uint8_t* target = &out.pixels[static_cast<std::size_t>(y) * rowValues];
        for (std::size_t v = 0; v < rowValues; ++v) {
            double sum = 0.0;
            for (std::size_t k = 0; k < span.weights.size(); ++k)
                sum += span.weights[k] * narrow[(static_cast<std::size_t>(span.first) + k) * rowValues + v];
            target[v] = ToByte(sum);
        }
    }
    return out;
}

TextureImage ScaleToPowerOfTwo(const std::uint8_t* pixels, int width, int height, int stride,
                               int bytesPerPixel, int maxSide) {
    TextureImage out;
    ScaledRows rows(pixels, width, height, stride, bytesPerPixel, maxSide);
    if (!rows.Valid()) return out;
    out.width = rows.Width();
    out.height = rows.Height();
    out.bytesPerPixel = bytesPerPixel;
    const std::size_t rowBytes = static_cast<std::size_t>(out.width) * bytesPerPixel;
    out.pixels.resize(rowBytes * out.height);
    for (int y = 0; y < out.height; ++y) rows.Next(&out.pixels[static_cast<std::size_t>(y) * rowBytes]);
    return out;
}
