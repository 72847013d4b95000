// Test-only whole images of the texture scaler: the product's ScaledRows gathered into one
// image, and the reference it is compared with, area averaging in doubles over the whole
// image as the saver first did it.
#pragma once

#include <cstdint>
#include <vector>

#include "texture_image.h"

// Tightly packed pixels, bottom row first, channels in the bitmap's own order.
struct TextureImage {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    std::vector<std::uint8_t> pixels;
};

// All the rows of ScaledRows in one image; an empty result where it has none.
TextureImage ScaleToPowerOfTwo(const std::uint8_t* pixels, int width, int height, int stride,
                               int bytesPerPixel, int maxSide);

// Same contract as ScaleToPowerOfTwo, computed exactly in doubles and rounded once.
TextureImage ReferenceScaleToPowerOfTwo(const std::uint8_t* pixels, int width, int height, int stride,
                                        int bytesPerPixel, int maxSide);
