// Small vector types and 2D distance helpers shared by the mark, the mesh and the previews.
#pragma once

#include <cmath>
#include <vector>

namespace artgen {

struct P2 {
    double x = 0, y = 0;
};

inline P2 operator+(P2 a, P2 b) { return {a.x + b.x, a.y + b.y}; }
inline P2 operator-(P2 a, P2 b) { return {a.x - b.x, a.y - b.y}; }
inline P2 operator*(P2 a, double k) { return {a.x * k, a.y * k}; }
inline double dot(P2 a, P2 b) { return a.x * b.x + a.y * b.y; }
inline double cross(P2 a, P2 b) { return a.x * b.y - a.y * b.x; }
inline double length(P2 a) { return std::sqrt(dot(a, a)); }

struct P3 {
    double x = 0, y = 0, z = 0;
};

inline P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline P3 operator*(P3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
inline double dot(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline P3 cross(P3 a, P3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double length(P3 a) { return std::sqrt(dot(a, a)); }

// Signed area of a closed polygon: positive when its points run counter-clockwise.
double signedArea(const std::vector<P2>& polygon);

// Distance from p to the segment a-b.
double segmentDistance(P2 p, P2 a, P2 b);

// Distance from p to an open polyline.
double polylineDistance(P2 p, const std::vector<P2>& polyline);

// Signed distance from p to a closed polygon's outline: negative inside.
double polygonDistance(P2 p, const std::vector<P2>& polygon);

// True when p lies inside the closed polygon (even-odd rule).
bool insidePolygon(P2 p, const std::vector<P2>& polygon);

}  // namespace artgen
