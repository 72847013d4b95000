// In-memory pictures used by the art generator: true-colour and palette images
// (row 0 is the top row) and a small floating-point colour type for mixing.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace artgen {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// A colour with channels in 0..1 (values outside are clamped when stored).
struct Colour {
    double r = 0, g = 0, b = 0;
};

inline Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Colour operator-(Colour a, Colour b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Colour operator*(Colour a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Colour operator*(Colour a, Colour b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Colour mix(Colour a, Colour b, double t) { return a + (b - a) * t; }

// Colour from 0..255 channel values.
inline Colour rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// Rounds and clamps a colour to 8 bits per channel.
Rgb toRgb(Colour c);

// Colour of an 8-bit pixel.
Colour toColour(Rgb c);

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // width * height, top row first

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // width * height, top row first
    std::array<Rgb, 256> palette{};

    IndexedImage() = default;
    IndexedImage(int w, int h) : width(w), height(h), indices(static_cast<std::size_t>(w) * h) {}
    std::uint8_t& at(int x, int y) { return indices[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace artgen
