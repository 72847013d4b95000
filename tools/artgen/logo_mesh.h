// The two objects of the saver's model: the backdrop rectangle and the logo.
#pragma once

#include "mesh.h"

namespace artgen {

// Object "backdrop": a rectangle behind the logo facing the viewer, textured
// once across its whole face.
Mesh buildBackdrop();

// Object "Shape1": the mark as a solid relief 0.2 deep (front face at z = 0.2,
// back face at z = 0) with side walls, smooth along curves and sharp at corners.
// Texture coordinates map the mark's bounding box onto 0..1 in both directions.
Mesh buildLogo();

}  // namespace artgen
