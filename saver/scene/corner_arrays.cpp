// Mesh objects unrolled corner by corner; see corner_arrays.h.
#include "corner_arrays.h"

#include <algorithm>
#include <cstddef>

CornerArrays UnrollCorners(const MeshObject& object, bool withTexCoords) {
    CornerArrays out;
    const std::size_t corners = std::min(object.vertices.size(), object.normals.size());
    out.positions.reserve(object.faces.size() * 9);
    out.normals.reserve(object.faces.size() * 9);
    if (withTexCoords) out.texCoords.reserve(object.faces.size() * 6);
    Vec2 texCoord;
    for (const Face& face : object.faces) {
        bool whole = true;
        for (const std::int32_t v : face.vertexIndex)
            whole = whole && v >= 0 && static_cast<std::size_t>(v) < corners;
        if (!whole) continue;
        for (const std::int32_t v : face.vertexIndex) {
            const std::size_t i = static_cast<std::size_t>(v);
            const Vec3& p = object.vertices[i];
            const Vec3& n = object.normals[i];
            out.positions.insert(out.positions.end(), {p.x, p.y, p.z});
            out.normals.insert(out.normals.end(), {n.x, n.y, n.z});
            if (!withTexCoords) continue;
            if (i < object.texCoords.size()) texCoord = object.texCoords[i];
            out.texCoords.insert(out.texCoords.end(), {texCoord.u, texCoord.v});
        }
    }
    return out;
}
