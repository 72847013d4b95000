// Shape of the Whirlmark mark: a wide W whose outer arms break through a ring of
// two tapering blades that chase each other round.
#include "mark.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The W: four slanted strokes cut level at cap height, base line and middle apex.
constexpr double kCapY = 1.45;
constexpr double kBaseY = -1.32;
constexpr double kApexY = 0.72;
constexpr double kOuterX = 2.86;  // centre of the outer strokes at cap height
constexpr double kFootX = 1.34;   // centre of the two feet
constexpr double kStroke = 0.62;  // horizontal width of a stroke

// The whirl: a ring cut by the W's outer arms into two blades, each thick at its
// head and thinning towards its tail.
constexpr double kOuterR = 2.835;
constexpr double kInnerHeadR = 2.0;
constexpr double kInnerTailR = 2.62;
constexpr double kRightCut = 14.0 * kPi / 180;  // where the arms cross the ring
constexpr double kLeftCut = 166.0 * kPi / 180;
constexpr double kGap = 0.16;  // clear space between the W and the whirl

std::vector<P2> stroke(double topX, double topY, double bottomX, double bottomY) {
    const double h = kStroke / 2;
    return {{bottomX - h, bottomY}, {bottomX + h, bottomY}, {topX + h, topY}, {topX - h, topY}};
}

const std::vector<std::vector<P2>>& letterStrokes() {
    static const std::vector<std::vector<P2>> strokes = {
        stroke(-kOuterX, kCapY, -kFootX, kBaseY),
        stroke(0.0, kApexY, -kFootX, kBaseY),
        stroke(0.0, kApexY, kFootX, kBaseY),
        stroke(kOuterX, kCapY, kFootX, kBaseY),
    };
    return strokes;
}

// Wraps an angle into [0, 2*pi).
double wrap(double a) {
    a = std::fmod(a, 2 * kPi);
    return a < 0 ? a + 2 * kPi : a;
}

double whirlField(P2 p, double letter) {
    const double r = length(p);
    const double a = wrap(std::atan2(p.y, p.x) - kRightCut);
    const double topSpan = kLeftCut - kRightCut;
    // Position along the blade: 0 at its head, 1 at its tail.
    const double along = a < topSpan ? a / topSpan : (a - topSpan) / (2 * kPi - topSpan);
    const double ease = along * along * (3 - 2 * along);
    const double innerR = kInnerHeadR + (kInnerTailR - kInnerHeadR) * ease;
    const double d = std::max(r - kOuterR, innerR - r);
    return std::max(d, kGap - letter);
}

}  // namespace

double letterField(P2 p) {
    double d = 1e9;
    for (const auto& s : letterStrokes()) d = std::min(d, polygonDistance(p, s));
    return d;
}

double markField(P2 p) {
    const double letter = letterField(p);
    return std::min(whirlField(p, letter), letter);
}

}  // namespace artgen
