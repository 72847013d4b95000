// Marching-squares tracing of a field's zero line and outline simplification.
#include "outline.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace artgen {

namespace {

// Grid corners of a cell in counter-clockwise order: bottom left, bottom right,
// top right, top left. Edge k joins corner k to corner k + 1.
constexpr int kCornerDx[4] = {0, 1, 1, 0};
constexpr int kCornerDy[4] = {0, 0, 1, 1};

}  // namespace

std::vector<Outline> traceOutlines(const std::function<double(P2)>& field, const TraceArea& area) {
    const int nx = static_cast<int>(std::ceil((area.maxX - area.minX) / area.cell));
    const int ny = static_cast<int>(std::ceil((area.maxY - area.minY) / area.cell));
    const int stride = nx + 1;
    auto nodePoint = [&](int i, int j) { return P2{area.minX + i * area.cell, area.minY + j * area.cell}; };

    std::vector<double> value(static_cast<std::size_t>(stride) * (ny + 1));
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i) {
            double v = field(nodePoint(i, j));
            if (v == 0) v = 1e-12;  // keep every crossing strictly inside an edge
            value[static_cast<std::size_t>(j) * stride + i] = v;
        }
    auto at = [&](int i, int j) { return value[static_cast<std::size_t>(j) * stride + i]; };

    // Crossing points are named by their grid edge: 2 * node + 0 for the edge to
    // the right of the node, 2 * node + 1 for the edge above it.
    auto edgeKey = [&](int i, int j, int edge) -> std::int64_t {
        switch (edge) {
            case 0: return 2 * (static_cast<std::int64_t>(j) * stride + i);
            case 1: return 2 * (static_cast<std::int64_t>(j) * stride + i + 1) + 1;
            case 2: return 2 * (static_cast<std::int64_t>(j + 1) * stride + i);
            default: return 2 * (static_cast<std::int64_t>(j) * stride + i) + 1;
        }
    };
    auto crossing = [&](std::int64_t key) {
        const std::int64_t node = key / 2;
        const int i = static_cast<int>(node % stride), j = static_cast<int>(node / stride);
        const int i2 = (key % 2 == 0) ? i + 1 : i, j2 = (key % 2 == 0) ? j : j + 1;
        const double a = at(i, j), b = at(i2, j2);
        return nodePoint(i, j) + (nodePoint(i2, j2) - nodePoint(i, j)) * (a / (a - b));
    };

    // Each segment runs from a crossing where the inside lies behind (corner k in,
    // corner k + 1 out) to one where it lies ahead, keeping the inside on its left.
    std::vector<std::int64_t> next(static_cast<std::size_t>(2) * stride * (ny + 1), -1);
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            bool in[4];
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                const double v = at(i + kCornerDx[k], j + kCornerDy[k]);
                in[k] = v < 0;
                sum += v;
            }
            int starts[2], ends[2], ns = 0, ne = 0;
            for (int k = 0; k < 4; ++k) {
                const bool a = in[k], b = in[(k + 1) % 4];
                if (a && !b) starts[ns++] = k;
                if (!a && b) ends[ne++] = k;
            }
            if (ns == 1) {
                next[edgeKey(i, j, starts[0])] = edgeKey(i, j, ends[0]);
            } else if (ns == 2) {
                // Saddle: the centre value decides whether the inside corners join.
                const int step = sum < 0 ? 1 : 3;
                for (int s = 0; s < 2; ++s)
                    next[edgeKey(i, j, starts[s])] = edgeKey(i, j, (starts[s] + step) % 4);
            }
        }

    std::vector<Outline> outlines;
    for (std::size_t key = 0; key < next.size(); ++key) {
        if (next[key] < 0) continue;
        Outline loop;
        std::int64_t k = static_cast<std::int64_t>(key);
        while (next[k] >= 0) {
            loop.push_back(crossing(k));
            const std::int64_t following = next[k];
            next[k] = -1;
            k = following;
        }
        if (loop.size() >= 3) outlines.push_back(std::move(loop));
    }
    return outlines;
}

namespace {

void simplifyRun(const Outline& pts, std::size_t first, std::size_t last, double tolerance,
                 std::vector<bool>& keep) {
    std::vector<std::pair<std::size_t, std::size_t>> stack{{first, last}};
    while (!stack.empty()) {
        const auto [a, b] = stack.back();
        stack.pop_back();
        double worst = -1;
        std::size_t worstIndex = a;
        for (std::size_t i = a + 1; i < b; ++i) {
            const double d = segmentDistance(pts[i % pts.size()], pts[a % pts.size()], pts[b % pts.size()]);
            if (d > worst) {
                worst = d;
                worstIndex = i;
            }
        }
        if (worst > tolerance) {
            keep[worstIndex % pts.size()] = true;
            stack.push_back({a, worstIndex});
            stack.push_back({worstIndex, b});
        }
    }
}

}  // namespace

Outline simplifyOutline(const Outline& outline, double tolerance) {
    const std::size_t n = outline.size();
    if (n <= 3) return outline;
    // Anchor on the point farthest from the first one, then simplify both halves.
    std::size_t far = 0;
    double farDist = -1;
    for (std::size_t i = 1; i < n; ++i) {
        const double d = length(outline[i] - outline[0]);
        if (d > farDist) {
            farDist = d;
            far = i;
        }
    }
    std::vector<bool> keep(n, false);
    keep[0] = keep[far] = true;
    simplifyRun(outline, 0, far, tolerance, keep);
    simplifyRun(outline, far, n, tolerance, keep);
    Outline result;
    for (std::size_t i = 0; i < n; ++i)
        if (keep[i]) result.push_back(outline[i]);
    return result;
}

}  // namespace artgen
