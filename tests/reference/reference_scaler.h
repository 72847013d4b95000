// Test-only reference for the texture scaler: area averaging in doubles over the whole
// image, as the saver first did it.
#pragma once

#include "texture_image.h"

// Same contract as ScaleToPowerOfTwo, computed exactly in doubles and rounded once.
TextureImage ReferenceScaleToPowerOfTwo(const std::uint8_t* pixels, int width, int height, int stride,
                                        int bytesPerPixel, int maxSide);
