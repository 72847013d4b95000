// The program icon; see icon.h.
#include "icon.h"

#include <algorithm>

#include "image.h"
#include "mark.h"

namespace artgen {

namespace {

const Colour kLetter = rgb255(24, 52, 120);  // the W
const Colour kWhirl = rgb255(230, 140, 30);  // the two blades

struct Pixel {
    double cover = 0;   // share of the pixel inside the mark, 0..1
    Colour colour;      // its colour where it is inside
};

// The mark filling a size x size square with a one-pixel margin, sampled 8 x 8 a pixel.
std::vector<Pixel> renderMark(int size) {
    std::vector<Pixel> out(static_cast<std::size_t>(size) * size);
    const double scale = (size - 2) / (2 * kMarkHalfWidth);
    constexpr int kSamples = 8;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int inside = 0, letter = 0;
            for (int s = 0; s < kSamples * kSamples; ++s) {
                const P2 p{(x + (s % kSamples + 0.5) / kSamples - size / 2.0) / scale,
                           (size / 2.0 - (y + (s / kSamples + 0.5) / kSamples)) / scale};
                if (markField(p) < 0) {
                    ++inside;
                    if (letterField(p) < 0) ++letter;
                }
            }
            Pixel& px = out[static_cast<std::size_t>(y) * size + x];
            px.cover = static_cast<double>(inside) / (kSamples * kSamples);
            px.colour = inside ? mix(kWhirl, kLetter, static_cast<double>(letter) / inside) : kWhirl;
        }
    return out;
}

void put16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& b, unsigned v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// One icon image: BITMAPINFOHEADER of double height, colour rows bottom-up, then the
// AND mask (1 = transparent), rows padded to 4 bytes.
std::vector<std::uint8_t> iconImage(int size, bool trueColour) {
    const std::vector<Pixel> mark = renderMark(size);
    std::vector<std::uint8_t> b;
    put32(b, 40);
    put32(b, static_cast<unsigned>(size));
    put32(b, static_cast<unsigned>(size * 2));
    put16(b, 1);
    put16(b, trueColour ? 32 : 8);
    for (int i = 0; i < 6; ++i) put32(b, 0);
    // 256 colours: a ramp from the blades' colour to the W's.
    if (!trueColour)
        for (int i = 0; i < 256; ++i) {
            Rgb c = toRgb(mix(kWhirl, kLetter, i / 255.0));
            b.push_back(c.b), b.push_back(c.g), b.push_back(c.r), b.push_back(0);
        }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Pixel& p = mark[static_cast<std::size_t>(y) * size + x];
            if (trueColour) {
                Rgb c = toRgb(p.colour);
                b.push_back(c.b), b.push_back(c.g), b.push_back(c.r);
                b.push_back(static_cast<std::uint8_t>(std::clamp(p.cover * 255.0 + 0.5, 0.0, 255.0)));
            } else {
                // Which end of the ramp the pixel's colour is nearer, in 256 steps.
                const double t = (p.colour.b - kWhirl.b) / (kLetter.b - kWhirl.b);
                b.push_back(p.cover >= 0.5 ? static_cast<std::uint8_t>(std::clamp(t * 255.0 + 0.5, 0.0, 255.0)) : 0);
            }
        }
        while (b.size() % 4) b.push_back(0);
    }
    const int maskRow = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < size; ++x)
            if (mark[static_cast<std::size_t>(y) * size + x].cover < 0.5)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

}  // namespace

std::vector<std::uint8_t> encodeProgramIcon() {
    struct Entry {
        int size;
        bool trueColour;
    };
    const Entry entries[] = {{32, false}, {16, false}, {32, true}, {16, true}};
    std::vector<std::vector<std::uint8_t>> images;
    for (const Entry& e : entries) images.push_back(iconImage(e.size, e.trueColour));
    std::vector<std::uint8_t> file;
    put16(file, 0);
    put16(file, 1);  // an icon
    put16(file, static_cast<unsigned>(images.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(entries[i].size));
        file.push_back(static_cast<std::uint8_t>(entries[i].size));
        file.push_back(0);  // colour count: 0 for 256 and more
        file.push_back(0);
        put16(file, 1);
        put16(file, entries[i].trueColour ? 32 : 8);
        put32(file, static_cast<unsigned>(images[i].size()));
        put32(file, offset);
        offset += static_cast<unsigned>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
    return file;
}

}  // namespace artgen
