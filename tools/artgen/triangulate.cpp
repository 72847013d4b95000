// Ear-clipping triangulation with hole bridging.
#include "triangulate.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace artgen {

namespace {

struct Ring {
    std::vector<int> index;  // point indices in order
};

double orient(P2 a, P2 b, P2 c) { return cross(b - a, c - a); }

bool inTriangle(P2 p, P2 a, P2 b, P2 c) {
    return orient(a, b, p) >= 0 && orient(b, c, p) >= 0 && orient(c, a, p) >= 0;
}

bool samePoint(P2 a, P2 b) { return a.x == b.x && a.y == b.y; }

// Smallest angle of a triangle, in cosine terms (larger is better).
double quality(P2 a, P2 b, P2 c) {
    auto angleCos = [](P2 o, P2 p, P2 q) {
        const P2 u = p - o, v = q - o;
        return dot(u, v) / (length(u) * length(v) + 1e-300);
    };
    const double worst = std::max({angleCos(a, b, c), angleCos(b, c, a), angleCos(c, a, b)});
    return -worst;
}

// Joins a hole into an outer ring through a bridge from the hole's rightmost
// point to a point of the outer ring that it can see.
bool bridgeHole(Ring& outer, const Ring& hole, const std::vector<P2>& pts) {
    std::size_t m = 0;
    for (std::size_t i = 1; i < hole.index.size(); ++i)
        if (pts[hole.index[i]].x > pts[hole.index[m]].x) m = i;
    const P2 mp = pts[hole.index[m]];

    // Nearest crossing of the ray to the right of mp with an outer edge.
    double bestX = std::numeric_limits<double>::max();
    std::size_t bestEdge = outer.index.size();
    const std::size_t n = outer.index.size();
    for (std::size_t i = 0; i < n; ++i) {
        const P2 a = pts[outer.index[i]], b = pts[outer.index[(i + 1) % n]];
        if ((a.y > mp.y) == (b.y > mp.y)) continue;
        const double x = a.x + (mp.y - a.y) * (b.x - a.x) / (b.y - a.y);
        if (x >= mp.x && x < bestX) {
            bestX = x;
            bestEdge = i;
        }
    }
    if (bestEdge == n) return false;
    const P2 hit{bestX, mp.y};
    std::size_t pick = bestEdge;
    {
        const P2 a = pts[outer.index[bestEdge]], b = pts[outer.index[(bestEdge + 1) % n]];
        if (b.x > a.x) pick = (bestEdge + 1) % n;
    }
    // A reflex outer point inside the triangle (mp, hit, picked) would block the
    // view; take the one making the smallest angle with the ray instead.
    const P2 pp = pts[outer.index[pick]];
    double bestAngle = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < n; ++i) {
        const P2 q = pts[outer.index[i]];
        if (i == pick || q.x < mp.x) continue;
        const bool inside = hit.y < pp.y ? inTriangle(q, mp, hit, pp) : inTriangle(q, mp, pp, hit);
        if (!inside) continue;
        const P2 prev = pts[outer.index[(i + n - 1) % n]], next = pts[outer.index[(i + 1) % n]];
        if (orient(prev, q, next) > 0) continue;  // convex points cannot block
        const P2 d = q - mp;
        const double angle = std::abs(d.y) / (length(d) + 1e-300);
        if (angle < bestAngle) {
            bestAngle = angle;
            pick = i;
        }
    }
    std::vector<int> joined(outer.index.begin(), outer.index.begin() + static_cast<std::ptrdiff_t>(pick) + 1);
    for (std::size_t k = 0; k <= hole.index.size(); ++k) joined.push_back(hole.index[(m + k) % hole.index.size()]);
    joined.insert(joined.end(), outer.index.begin() + static_cast<std::ptrdiff_t>(pick), outer.index.end());
    outer.index = std::move(joined);
    return true;
}

bool clipEars(std::vector<int> ring, const std::vector<P2>& pts, std::vector<Triangle>& out) {
    while (ring.size() > 3) {
        const std::size_t n = ring.size();
        double bestQuality = -std::numeric_limits<double>::max();
        std::size_t best = n;
        for (std::size_t i = 0; i < n; ++i) {
            const P2 a = pts[ring[(i + n - 1) % n]], b = pts[ring[i]], c = pts[ring[(i + 1) % n]];
            if (orient(a, b, c) <= 0) continue;
            bool blocked = false;
            for (std::size_t k = 0; k < n && !blocked; ++k) {
                const P2 q = pts[ring[k]];
                if (samePoint(q, a) || samePoint(q, b) || samePoint(q, c)) continue;
                blocked = inTriangle(q, a, b, c);
            }
            if (blocked) continue;
            const double q = quality(a, b, c);
            if (q > bestQuality) {
                bestQuality = q;
                best = i;
            }
        }
        if (best == n) return false;
        out.push_back({ring[(best + n - 1) % n], ring[best], ring[(best + 1) % n]});
        ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(best));
    }
    if (ring.size() == 3 && orient(pts[ring[0]], pts[ring[1]], pts[ring[2]]) > 0)
        out.push_back({ring[0], ring[1], ring[2]});
    return true;
}

}  // namespace

std::vector<Triangle> triangulateRegion(const std::vector<Outline>& outlines) {
    std::vector<P2> pts;
    std::vector<Ring> outers, holes;
    std::vector<double> outerArea;
    for (const Outline& o : outlines) {
        Ring ring;
        for (const P2& p : o) {
            ring.index.push_back(static_cast<int>(pts.size()));
            pts.push_back(p);
        }
        const double area = signedArea(o);
        if (area > 0) {
            outers.push_back(ring);
            outerArea.push_back(area);
        } else {
            holes.push_back(ring);
        }
    }

    // Each hole belongs to the smallest outer outline around it; holes further
    // right are joined first so that later bridges cannot cross earlier ones.
    std::vector<std::vector<Ring>> holesOf(outers.size());
    for (const Ring& h : holes) {
        std::size_t owner = outers.size();
        for (std::size_t o = 0; o < outers.size(); ++o) {
            Outline poly;
            for (int i : outers[o].index) poly.push_back(pts[i]);
            if (insidePolygon(pts[h.index[0]], poly) && (owner == outers.size() || outerArea[o] < outerArea[owner]))
                owner = o;
        }
        if (owner == outers.size()) return {};
        holesOf[owner].push_back(h);
    }

    std::vector<Triangle> triangles;
    for (std::size_t o = 0; o < outers.size(); ++o) {
        auto rightmost = [&](const Ring& r) {
            double x = -std::numeric_limits<double>::max();
            for (int i : r.index) x = std::max(x, pts[i].x);
            return x;
        };
        std::sort(holesOf[o].begin(), holesOf[o].end(),
                  [&](const Ring& a, const Ring& b) { return rightmost(a) > rightmost(b); });
        Ring ring = outers[o];
        for (const Ring& h : holesOf[o])
            if (!bridgeHole(ring, h, pts)) return {};
        if (!clipEars(ring.index, pts, triangles)) return {};
    }
    return triangles;
}

}  // namespace artgen
