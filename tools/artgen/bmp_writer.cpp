// Windows bitmap encoding for the generated textures and the wizard picture.
#include "bmp_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace artgen {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint32_t rowStride(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

// File header and BITMAPINFOHEADER for a bottom-up, uncompressed image.
void putHeaders(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel,
                std::uint32_t paletteEntries) {
    const std::uint32_t imageSize = rowStride(width, bitsPerPixel) * static_cast<std::uint32_t>(height);
    const std::uint32_t pixelOffset = 14 + 40 + paletteEntries * 4;
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + imageSize);
    put32(out, 0);  // reserved
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
    put16(out, 1);                                    // planes
    put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    put32(out, 0);  // BI_RGB
    put32(out, imageSize);
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, paletteEntries);
    put32(out, 0);  // all colours important
}

}  // namespace

std::vector<std::uint8_t> encodeBmp24(const RgbImage& image) {
    std::vector<std::uint8_t> out;
    putHeaders(out, image.width, image.height, 24, 0);
    const std::uint32_t stride = rowStride(image.width, 24);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const Rgb& p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

std::vector<std::uint8_t> encodeBmp8(const IndexedImage& image) {
    std::vector<std::uint8_t> out;
    putHeaders(out, image.width, image.height, 8, 256);
    for (const Rgb& c : image.palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    const std::uint32_t stride = rowStride(image.width, 8);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) out.push_back(image.at(x, y));
        out.resize(rowStart + stride, 0);
    }
    return out;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "artgen: cannot create %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!wrote || !closed) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace artgen
