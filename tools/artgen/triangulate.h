// Triangulation of plane regions given as outlines (outer counter-clockwise,
// holes clockwise), by ear clipping after joining each hole to its outline.
#pragma once

#include <array>
#include <vector>

#include "outline.h"

namespace artgen {

using Triangle = std::array<int, 3>;

// Triangles covering the region, counter-clockwise, as indices into the points of
// all outlines taken in order (outline 0's points first, then outline 1's...).
// Returns an empty list if some outline could not be triangulated.
std::vector<Triangle> triangulateRegion(const std::vector<Outline>& outlines);

}  // namespace artgen
