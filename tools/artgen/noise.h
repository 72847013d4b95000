// Deterministic noise for the procedural textures: integer hashing, value and
// gradient noise, fractal sums and cellular (Worley) distances.
#pragma once

#include <cstdint>

namespace artgen {

// Well-mixed 32-bit hash of two lattice coordinates and a seed.
std::uint32_t hash2(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Uniform value in [0, 1) from a hash.
inline double unit(std::uint32_t h) { return (h >> 8) * (1.0 / 16777216.0); }

// Gradient noise in about [-1, 1], smooth, zero at lattice points. When period
// is positive the noise repeats every period units in x and y.
double gradientNoise(double x, double y, std::uint32_t seed, int period = 0);

// Sum of octaves of gradient noise, each twice the frequency and gain times the
// amplitude of the one before; normalised to about [-1, 1].
double fbm(double x, double y, int octaves, double gain, std::uint32_t seed, int period = 0);

// Sum of absolute octaves (billowy turbulence), about [0, 1].
double turbulence(double x, double y, int octaves, double gain, std::uint32_t seed, int period = 0);

struct CellDistances {
    double f1, f2;       // distance to the nearest and second-nearest feature point
    std::uint32_t id;    // hash of the nearest point's cell
};

// One feature point per unit cell, jittered; repeats every period cells if positive.
CellDistances cellular(double x, double y, std::uint32_t seed, int period = 0);

// Small fast generator for scattering things (xorshift-multiply).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    std::uint32_t next();
    double uniform() { return (next() >> 8) * (1.0 / 16777216.0); }  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t state_;
};

}  // namespace artgen
