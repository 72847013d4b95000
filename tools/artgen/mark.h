// The Whirlmark mark: a wide W breaking through a whirl of two blades, as a signed field
// in logo units (x right, y up, origin at the centre of the mark).
#pragma once

#include "geometry.h"

namespace artgen {

// Half the extent of the mark's bounding box, in logo units.
constexpr double kMarkHalfWidth = 3.2;
constexpr double kMarkHalfHeight = 2.835;

// Negative inside the mark, positive outside; near the outline its magnitude is
// roughly the distance to it.
double markField(P2 p);

// Field of the W alone (for pictures that colour it apart from the whirl).
double letterField(P2 p);

}  // namespace artgen
