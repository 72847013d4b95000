// Pictures of what the saver shows, for pixel checks: the screen through GDI, or the
// current OpenGL context's last frame, as top-down RGB; and texture levels read back.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "monitor_layout.h"

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// A rectangle of pixels, right and bottom exclusive.
using Box = ScreenRect;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // top row first

    const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Empty() const { return pixels.empty(); }
    // The centre box covering `fraction` of each side.
    Box Centre(double fraction) const;
    // True for pixels within `margin` (a fraction of each side) of the picture's edges.
    bool InBorder(int x, int y, double margin) const;
};

using PixelTest = std::function<bool(const Rgb&)>;

bool IsBlack(const Rgb& p);
bool IsBlueSky(const Rgb& p);    // blue clearly above red and green
bool IsGreen(const Rgb& p);      // green clearly above red and blue

// The whole primary screen through GDI.
Picture CaptureScreen();

// The frame last presented in the current OpenGL context, width x height from the lower
// left. Read from the back buffer, which under Wine keeps the frame after the swap (its
// front buffer reads back black). Empty when the read fails.
Picture ReadLastFrame(int width, int height);

// One mipmap level of a texture as RGBA bytes, bottom row first.
struct Texels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
    const unsigned char* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

// Mipmap `level` of texture `name` (bound on return); empty when the level is missing.
Texels ReadTexture(unsigned int name, int level = 0);

// Pixels in `box` that pass `test`.
int Count(const Picture& picture, const Box& box, const PixelTest& test);

// Pixels within `margin` of the edges that pass `test`, and how many there are in all.
int CountInBorder(const Picture& picture, double margin, const PixelTest& test, int* total = nullptr);

// Distinct colours in `box`, up to `limit`.
int DistinctColours(const Picture& picture, const Box& box, int limit = 1000);

// Pixels of `box` that differ between two pictures of the same size.
int CountChanged(const Picture& a, const Picture& b, const Box& box);

// Smallest box holding every pixel that passes `test`; empty (0, 0, 0, 0) when none does.
Box BoundsOf(const Picture& picture, const PixelTest& test);
