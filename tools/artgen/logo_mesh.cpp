// Geometry of the saver's model: the backdrop and the extruded mark.
#include "logo_mesh.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "mark.h"
#include "outline.h"

namespace artgen {

namespace {

constexpr double kDepth = 0.2;
constexpr double kTraceCell = 0.004;      // grid spacing when tracing the mark
constexpr double kTolerance = 0.001;     // largest deviation of the outline from the mark
constexpr double kCreaseCos = 0.82;       // walls meeting at a sharper turn than ~35 degrees get a crease

constexpr std::uint32_t kFrontGroup = 1, kBackGroup = 2, kWallGroup = 4;

std::vector<Outline> markOutlines() {
    const TraceArea area{-kMarkHalfWidth - 0.2, -kMarkHalfHeight - 0.2, kMarkHalfWidth + 0.2,
                         kMarkHalfHeight + 0.2, kTraceCell};
    std::vector<Outline> outlines = traceOutlines(markField, area);
    for (Outline& o : outlines) o = simplifyOutline(o, kTolerance);
    return outlines;
}

}  // namespace

Mesh buildBackdrop() {
    constexpr double left = -31.163, right = 30.325, bottom = -22.382, top = 23.087, z = -4.324;
    Mesh m;
    m.name = "backdrop";
    m.material = "sky";
    m.vertices = {{left, bottom, z}, {right, bottom, z}, {left, top, z}, {right, top, z}};
    m.texCoords = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    m.faces = {{0, 1, 3}, {0, 3, 2}};
    m.smoothing = {1, 1};
    return m;
}

Mesh buildLogo() {
    const std::vector<Outline> outlines = markOutlines();
    const std::vector<Triangle> cap = triangulateRegion(outlines);
    if (cap.empty()) throw std::runtime_error("the mark's outline could not be triangulated");

    Mesh m;
    m.name = "Shape1";
    m.material = "grass";

    // Front and back faces share the outline points in order.
    std::vector<P2> flat;
    for (const Outline& o : outlines) flat.insert(flat.end(), o.begin(), o.end());
    const int n = static_cast<int>(flat.size());
    for (const P2& p : flat) m.vertices.push_back({p.x, p.y, kDepth});
    for (const P2& p : flat) m.vertices.push_back({p.x, p.y, 0.0});
    for (const Triangle& t : cap) {
        m.faces.push_back(t);
        m.smoothing.push_back(kFrontGroup);
    }
    for (const Triangle& t : cap) {
        m.faces.push_back({t[0] + n, t[2] + n, t[1] + n});
        m.smoothing.push_back(kBackGroup);
    }

    // Walls: one quad per outline edge. Consecutive quads share their common
    // vertical edge unless the outline turns sharply there.
    for (const Outline& o : outlines) {
        const std::size_t count = o.size();
        std::vector<bool> crease(count);
        for (std::size_t i = 0; i < count; ++i) {
            const P2 in = o[i] - o[(i + count - 1) % count], out = o[(i + 1) % count] - o[i];
            crease[i] = dot(in, out) < kCreaseCos * length(in) * length(out);
        }
        // Start at a crease if there is one, so the run ends meet properly.
        std::size_t first = 0;
        for (std::size_t i = 0; i < count; ++i)
            if (crease[i]) {
                first = i;
                break;
            }
        auto addPair = [&](P2 p) {
            m.vertices.push_back({p.x, p.y, 0.0});
            m.vertices.push_back({p.x, p.y, kDepth});
            return static_cast<int>(m.vertices.size()) - 2;
        };
        const int startPair = addPair(o[first]);
        int left = startPair;
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t j = (first + k + 1) % count;
            int right;
            if (k + 1 == count && !crease[j])
                right = startPair;  // closed smooth run: rejoin the first pair
            else
                right = addPair(o[j]);
            m.faces.push_back({left, right, right + 1});
            m.faces.push_back({left, right + 1, left + 1});
            m.smoothing.push_back(kWallGroup);
            m.smoothing.push_back(kWallGroup);
            left = (crease[j] && k + 1 < count) ? addPair(o[j]) : right;
        }
    }

    double minX = std::numeric_limits<double>::max(), maxX = -minX, minY = minX, maxY = -minX;
    for (const P3& v : m.vertices) {
        minX = std::min(minX, v.x);
        maxX = std::max(maxX, v.x);
        minY = std::min(minY, v.y);
        maxY = std::max(maxY, v.y);
    }
    for (const P3& v : m.vertices) m.texCoords.push_back({(v.x - minX) / (maxX - minX), (v.y - minY) / (maxY - minY)});
    return m;
}

}  // namespace artgen
