// A triangle mesh as the generator builds it, in the scene's axes: x right,
// y up, z towards the viewer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry.h"
#include "triangulate.h"

namespace artgen {

struct Mesh {
    std::string name;
    std::string material;               // material of all faces
    std::vector<P3> vertices;
    std::vector<P2> texCoords;          // one per vertex
    std::vector<Triangle> faces;        // counter-clockwise seen from outside
    std::vector<std::uint32_t> smoothing;  // smoothing-group bits, one per face
};

}  // namespace artgen
