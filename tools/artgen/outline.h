// Turns a signed field into polygon outlines: grid tracing and simplification.
#pragma once

#include <functional>
#include <vector>

#include "geometry.h"

namespace artgen {

using Outline = std::vector<P2>;  // closed; the last point joins the first

struct TraceArea {
    double minX, minY, maxX, maxY;  // the field must be positive on this rectangle's border
    double cell;                    // grid spacing
};

// Outlines of the region where field < 0, found on a grid with linear
// interpolation. Outer outlines run counter-clockwise, holes clockwise.
std::vector<Outline> traceOutlines(const std::function<double(P2)>& field, const TraceArea& area);

// Drops points until every removed point lies within tolerance of the simplified
// outline (Douglas-Peucker on a closed outline). Orientation is kept.
Outline simplifyOutline(const Outline& outline, double tolerance);

}  // namespace artgen
