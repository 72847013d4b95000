// Noise functions for the procedural textures.
#include "noise.h"

#include <cmath>

namespace artgen {

std::uint32_t hash2(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27d4eb2du;
    h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

namespace {

int wrapCell(int c, int period) {
    if (period <= 0) return c;
    c %= period;
    return c < 0 ? c + period : c;
}

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// Gradient at a lattice point: one of 16 evenly spread unit directions.
double grad(std::uint32_t h, double dx, double dy) {
    static const double dirs[16][2] = {
        {1.0, 0.0}, {0.92388, 0.38268}, {0.70711, 0.70711}, {0.38268, 0.92388},
        {0.0, 1.0}, {-0.38268, 0.92388}, {-0.70711, 0.70711}, {-0.92388, 0.38268},
        {-1.0, 0.0}, {-0.92388, -0.38268}, {-0.70711, -0.70711}, {-0.38268, -0.92388},
        {0.0, -1.0}, {0.38268, -0.92388}, {0.70711, -0.70711}, {0.92388, -0.38268},
    };
    const double* d = dirs[h >> 28];
    return d[0] * dx + d[1] * dy;
}

}  // namespace

double gradientNoise(double x, double y, std::uint32_t seed, int period) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double dx = x - fx, dy = y - fy;
    const int x0 = wrapCell(ix, period), x1 = wrapCell(ix + 1, period);
    const int y0 = wrapCell(iy, period), y1 = wrapCell(iy + 1, period);
    const double n00 = grad(hash2(x0, y0, seed), dx, dy);
    const double n10 = grad(hash2(x1, y0, seed), dx - 1, dy);
    const double n01 = grad(hash2(x0, y1, seed), dx, dy - 1);
    const double n11 = grad(hash2(x1, y1, seed), dx - 1, dy - 1);
    const double u = fade(dx), v = fade(dy);
    const double a = n00 + (n10 - n00) * u;
    const double b = n01 + (n11 - n01) * u;
    return 1.4 * (a + (b - a) * v);
}

double fbm(double x, double y, int octaves, double gain, std::uint32_t seed, int period) {
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * gradientNoise(x, y, seed + 101u * o, period);
        norm += amp;
        amp *= gain;
        x *= 2;
        y *= 2;
        if (period > 0) period *= 2;
    }
    return sum / norm;
}

double turbulence(double x, double y, int octaves, double gain, std::uint32_t seed, int period) {
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * std::fabs(gradientNoise(x, y, seed + 101u * o, period));
        norm += amp;
        amp *= gain;
        x *= 2;
        y *= 2;
        if (period > 0) period *= 2;
    }
    return sum / norm;
}

CellDistances cellular(double x, double y, std::uint32_t seed, int period) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    CellDistances best{1e9, 1e9, 0};
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const std::uint32_t h = hash2(wrapCell(ix + i, period), wrapCell(iy + j, period), seed);
            const double px = ix + i + 0.1 + 0.8 * unit(h);
            const double py = iy + j + 0.1 + 0.8 * unit(hash2(static_cast<std::int32_t>(h), 7, seed));
            const double d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
            if (d < best.f1) {
                best.f2 = best.f1;
                best.f1 = d;
                best.id = h;
            } else if (d < best.f2) {
                best.f2 = d;
            }
        }
    return best;
}

std::uint32_t Random::next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD9Dull) >> 32);
}

}  // namespace artgen
