// Colour conversions for the art generator's pictures.
#include "image.h"

#include <cmath>

namespace artgen {

namespace {
std::uint8_t channel(double v) {
    double s = std::floor(v * 255.0 + 0.5);
    if (s < 0) s = 0;
    if (s > 255) s = 255;
    return static_cast<std::uint8_t>(s);
}
}  // namespace

Rgb toRgb(Colour c) { return {channel(c.r), channel(c.g), channel(c.b)}; }

Colour toColour(Rgb c) { return rgb255(c.r, c.g, c.b); }

}  // namespace artgen
