// A small software renderer that draws the model the way the saver does (same
// camera, projection, default light and texture modulation), so the art can be
// judged without Windows.
#pragma once

#include <vector>

#include "image.h"
#include "mesh.h"

namespace artgen {

struct PreviewView {
    int width = 800, height = 600;
    double cameraDistance = 24.0;          // 24, 16 or 8 for the three logo sizes
    double spinX = 0, spinY = 0, spinZ = 0;  // logo rotation in degrees
    bool lighting = true;
    bool background = true;
};

// Draws meshes[0] as the fixed backdrop and meshes[1..] under the spin, each with
// the texture of the same index.
RgbImage renderPreview(const std::vector<Mesh>& meshes, const std::vector<const RgbImage*>& textures,
                       const PreviewView& view);

}  // namespace artgen
