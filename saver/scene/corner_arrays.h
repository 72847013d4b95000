// A mesh object unrolled into one entry per triangle corner, the shape OpenGL 1.1 vertex
// arrays draw with glDrawArrays. Portable.
#pragma once

#include <cstdint>
#include <vector>

#include "model.h"

// Positions and normals (three floats per corner) and texture coordinates (two), in face
// order, corner by corner. A corner whose vertex has no texture coordinate repeats the
// last one given before it (or 0, 0), as a texture coordinate carried over from the
// previous corner would. A face naming a vertex without a position or normal is left out.
struct CornerArrays {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> texCoords;
    int CornerCount() const { return static_cast<int>(positions.size() / 3); }
};

// Unrolls `object`; texture coordinates only when `withTexCoords`.
CornerArrays UnrollCorners(const MeshObject& object, bool withTexCoords);
