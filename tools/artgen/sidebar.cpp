// The wizards' side picture: the mark in white on a deep blue gradient with a
// soft glow and faint whirl rings, in a sunken frame drawn in the system's
// button colours.
#include "sidebar.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry.h"
#include "mark.h"

namespace artgen {

namespace {

constexpr int kWidth = 200, kHeight = 340;

// Palette layout: 0-3 the system colours, then kLevels background shades, each
// followed by its blends towards the mark colour, and the mark colour last.
constexpr int kSystemEntries = 4;
constexpr int kLevels = 41;
constexpr int kBlendSteps = 6;  // blends per shade: 0/6 .. 5/6 of the mark colour
constexpr int kMarkEntry = kSystemEntries + kLevels * kBlendSteps;
static_assert(kMarkEntry < 256, "palette overflow");

constexpr std::uint8_t kBlack = 0, kDarkGrey = 1, kLightGrey = 2, kWhite = 3;

const Colour kMarkColour = rgb255(250, 251, 255);

Colour background(double t) {
    static const Colour stops[] = {rgb255(6, 14, 44), rgb255(16, 42, 104), rgb255(30, 86, 164),
                                   rgb255(70, 150, 214), rgb255(150, 206, 240)};
    t = std::clamp(t, 0.0, 1.0) * 4;
    const int i = std::min(static_cast<int>(t), 3);
    return mix(stops[i], stops[i + 1], t - i);
}

// 4x4 ordered-dither threshold in [0, 1).
double bayer(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5) / 16.0;
}

// Shade parameter of the background at a pixel: a vertical gradient, a glow
// behind the mark and faint rings spreading from it.
double shadeAt(double x, double y, double markX, double markY) {
    const double r = std::hypot(x - markX, y - markY);
    double t = 0.12 + 0.5 * y / kHeight;
    t += 0.32 * std::exp(-(r * r) / (2 * 62.0 * 62.0));
    for (double ring : {112.0, 150.0, 196.0}) t += 0.045 * std::exp(-std::pow((r - ring) / 5.0, 2));
    return t;
}

// The product name in capitals drawn with round-ended strokes, in units of the
// cap height (x from 0, y from 0 at the base line to 1 at cap height).
struct Letter {
    double width;
    std::vector<std::vector<P2>> strokes;
};

std::vector<P2> arc(P2 centre, double radius, double from, double to, int steps) {
    std::vector<P2> pts;
    for (int i = 0; i <= steps; ++i) {
        const double a = from + (to - from) * i / steps;
        pts.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    return pts;
}

std::vector<Letter> nameLetters() {
    constexpr double kHalfPi = 1.5707963267948966;
    std::vector<P2> rBowl = {{0, 0}, {0, 1}, {0.36, 1}};
    for (const P2& p : arc({0.36, 0.74}, 0.26, kHalfPi, -kHalfPi, 12)) rBowl.push_back(p);
    rBowl.push_back({0, 0.48});
    const Letter r{0.62, {rBowl, {{0.3, 0.48}, {0.62, 0}}}};
    return {
        {1.0, {{{0, 1}, {0.23, 0}, {0.5, 0.78}, {0.77, 0}, {1, 1}}}},
        {0.68, {{{0, 0}, {0, 1}}, {{0.68, 0}, {0.68, 1}}, {{0, 0.5}, {0.68, 0.5}}}},
        {0.0, {{{0, 0}, {0, 1}}}},
        r,
        {0.52, {{{0, 1}, {0, 0}, {0.52, 0}}}},
        {0.86, {{{0, 0}, {0, 1}, {0.43, 0.32}, {0.86, 1}, {0.86, 0}}}},
        {0.78, {{{0, 0}, {0.39, 1}, {0.78, 0}}, {{0.14, 0.34}, {0.64, 0.34}}}},
        r,
        {0.62, {{{0, 0}, {0, 1}}, {{0.62, 1}, {0.04, 0.42}}, {{0.22, 0.6}, {0.62, 0}}}},
    };
}

// Distance-like field of the name set on a base line: negative inside the strokes.
class NameField {
public:
    NameField(double left, double baseline, double capHeight) : left_(left), base_(baseline), cap_(capHeight) {
        double x = 0;
        for (const Letter& l : nameLetters()) {
            for (const auto& s : l.strokes) {
                std::vector<P2> placed;
                for (const P2& p : s) placed.push_back({x + p.x, p.y});
                strokes_.push_back(placed);
            }
            x += l.width + kTracking;
        }
        width_ = x - kTracking;
    }
    double width() const { return width_ * cap_; }
    double operator()(double px, double py) const {
        const P2 p{(px - left_) / cap_, (base_ - py) / cap_};
        double d = 1e9;
        for (const auto& s : strokes_) d = std::min(d, polylineDistance(p, s));
        return d - kWeight / 2;
    }

private:
    static constexpr double kTracking = 0.42;
    static constexpr double kWeight = 0.15;
    double left_, base_, cap_, width_ = 0;
    std::vector<std::vector<P2>> strokes_;
};

}  // namespace

IndexedImage makeSidebar() {
    IndexedImage img(kWidth, kHeight);
    img.palette[kBlack] = {0, 0, 0};
    img.palette[kDarkGrey] = {128, 128, 128};
    img.palette[kLightGrey] = {192, 192, 192};
    img.palette[kWhite] = {255, 255, 255};
    for (int g = 0; g < kLevels; ++g)
        for (int a = 0; a < kBlendSteps; ++a)
            img.palette[kSystemEntries + g * kBlendSteps + a] =
                toRgb(mix(background(static_cast<double>(g) / (kLevels - 1)), kMarkColour,
                          static_cast<double>(a) / kBlendSteps));
    img.palette[kMarkEntry] = toRgb(kMarkColour);
    // Unused entries stay a mid blue rather than black, so no stray pixel could
    // ever be taken for a system colour.
    for (int i = kMarkEntry + 1; i < 256; ++i) img.palette[i] = toRgb(background(0.5));

    const double markX = kWidth / 2.0, markY = 112;
    const double scale = 150.0 / (2 * kMarkHalfWidth);  // pixels per mark unit
    constexpr double kCap = 13.0;
    const double nameWidth = NameField(0, 0, kCap).width();
    const NameField name((kWidth - nameWidth) / 2, 222, kCap);
    constexpr int kSamples = 4;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            int inside = 0;
            for (int s = 0; s < kSamples * kSamples; ++s) {
                const double px = x + (s % kSamples + 0.5) / kSamples, py = y + (s / kSamples + 0.5) / kSamples;
                if (markField({(px - markX) / scale, (markY - py) / scale}) < 0 || name(px, py) < 0) ++inside;
            }
            const double t = shadeAt(x + 0.5, y + 0.5, markX, markY);
            const int level = std::clamp(static_cast<int>(t * (kLevels - 1) + bayer(x, y)), 0, kLevels - 1);
            const int blend = inside * kBlendSteps / (kSamples * kSamples);
            img.at(x, y) = static_cast<std::uint8_t>(
                blend >= kBlendSteps ? kMarkEntry : kSystemEntries + level * kBlendSteps + blend);
        }

    // Sunken frame: shadow and dark shadow above and left, face and highlight
    // below and right, as Windows draws a sunken edge.
    for (int x = 0; x < kWidth; ++x) {
        img.at(x, 0) = kDarkGrey;
        img.at(x, kHeight - 1) = kWhite;
        if (x >= 1 && x < kWidth - 1) {
            img.at(x, 1) = kBlack;
            img.at(x, kHeight - 2) = kLightGrey;
        }
    }
    for (int y = 0; y < kHeight; ++y) {
        img.at(0, y) = kDarkGrey;
        img.at(kWidth - 1, y) = kWhite;
        if (y >= 1 && y < kHeight - 1) {
            img.at(1, y) = kBlack;
            img.at(kWidth - 2, y) = kLightGrey;
        }
    }
    img.at(0, kHeight - 1) = kDarkGrey;
    img.at(kWidth - 1, 0) = kDarkGrey;
    img.at(1, kHeight - 2) = kBlack;
    img.at(kWidth - 2, 1) = kBlack;
    return img;
}

}  // namespace artgen
