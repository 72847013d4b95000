// The six procedural textures of the saver, at their fixed sizes.
#pragma once

#include "image.h"

namespace artgen {

RgbImage makeSky();        // 640 x 480: blue sky with soft clouds
RgbImage makeGrass();      // 756 x 512: a dense lawn of grass blades
RgbImage makeFractex1();   // 256 x 256: veined marble from turbulent noise
RgbImage makeFractex2();   // 256 x 256: a Julia set with smooth colouring
RgbImage makeFractex3();   // 512 x 512: cellular crackle (stained glass)
RgbImage makeFractex5();   // 512 x 512: a flame fractal

}  // namespace artgen
