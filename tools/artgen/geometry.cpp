// Plane geometry helpers.
#include "geometry.h"

#include <algorithm>
#include <limits>

namespace artgen {

double signedArea(const std::vector<P2>& polygon) {
    double twice = 0;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) twice += cross(polygon[i], polygon[(i + 1) % n]);
    return twice / 2;
}

double segmentDistance(P2 p, P2 a, P2 b) {
    const P2 ab = b - a;
    const double len2 = dot(ab, ab);
    double t = len2 > 0 ? dot(p - a, ab) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return length(p - (a + ab * t));
}

double polylineDistance(P2 p, const std::vector<P2>& polyline) {
    double best = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i + 1 < polyline.size(); ++i)
        best = std::min(best, segmentDistance(p, polyline[i], polyline[i + 1]));
    return best;
}

bool insidePolygon(P2 p, const std::vector<P2>& polygon) {
    bool inside = false;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const P2 a = polygon[i], b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y)) {
            const double xCross = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < xCross) inside = !inside;
        }
    }
    return inside;
}

double polygonDistance(P2 p, const std::vector<P2>& polygon) {
    double best = std::numeric_limits<double>::max();
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i)
        best = std::min(best, segmentDistance(p, polygon[i], polygon[(i + 1) % n]));
    return insidePolygon(p, polygon) ? -best : best;
}

}  // namespace artgen
