// Model containers and the smooth vertex normals.
#include "model.h"

#include <cmath>
#include <cstring>

Material& AppendMaterial(Model& model) {
    ++model.materialCount;
    model.materials.emplace_back();
    return model.materials.back();
}

MeshObject& AppendObject(Model& model) {
    ++model.objectCount;
    model.objects.emplace_back();
    return model.objects.back();
}

void SetName(char (&field)[MODEL_NAME_SIZE], const char* text) {
    std::size_t length = 0;
    while (length < MODEL_NAME_SIZE - 1 && text[length] != '\0') ++length;
    std::memcpy(field, text, length);
    std::memset(field + length, 0, MODEL_NAME_SIZE - length);
}

namespace {

// The face normal (P0 - P2) x (P2 - P1), not normalised.
Vec3 FaceNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2) {
    const Vec3 a{p0.x - p2.x, p0.y - p2.y, p0.z - p2.z};
    const Vec3 b{p2.x - p1.x, p2.y - p1.y, p2.z - p1.z};
    return Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// sum / -count, scaled to unit length; zero when that is not a finite direction.
Vec3 AverageNormal(Vec3 sum, std::int32_t count) {
    if (count == 0) return Vec3{};
    const float divisor = -static_cast<float>(count);
    sum.x /= divisor;
    sum.y /= divisor;
    sum.z /= divisor;
    const double length = std::sqrt(static_cast<double>(sum.x * sum.x + sum.y * sum.y + sum.z * sum.z));
    if (!(length > 0.0) || !std::isfinite(length)) return Vec3{};
    return Vec3{static_cast<float>(sum.x / length), static_cast<float>(sum.y / length),
                static_cast<float>(sum.z / length)};
}

bool NamesVertices(const Face& face, std::size_t vertexCount) {
    for (std::int32_t index : face.vertexIndex) {
        if (index < 0 || static_cast<std::size_t>(index) >= vertexCount) return false;
    }
    return true;
}

void ComputeObjectNormals(MeshObject& object) {
    const std::size_t vertexCount = object.vertices.size();
    std::vector<Vec3> sums(vertexCount);
    std::vector<std::int32_t> counts(vertexCount, 0);
    // Faces in order, each added once to each distinct vertex it names: every vertex
    // sees the same additions in the same order as a scan of all faces would give it.
    for (const Face& face : object.faces) {
        const std::int32_t* v = face.vertexIndex;
        if (!NamesVertices(face, vertexCount)) continue;
        const Vec3 normal = FaceNormal(object.vertices[v[0]], object.vertices[v[1]], object.vertices[v[2]]);
        for (int corner = 0; corner < 3; ++corner) {
            const std::int32_t index = v[corner];
            if ((corner > 0 && index == v[0]) || (corner > 1 && index == v[1])) continue;
            Vec3& sum = sums[index];
            sum.x += normal.x;
            sum.y += normal.y;
            sum.z += normal.z;
            ++counts[index];
        }
    }
    object.normals.assign(vertexCount, Vec3{});
    for (std::size_t i = 0; i < vertexCount; ++i) object.normals[i] = AverageNormal(sums[i], counts[i]);
}

}  // namespace

void ComputeNormals(Model& model) {
    for (MeshObject& object : model.objects) ComputeObjectNormals(object);
}

void ReleaseMeshes(Model& model) {
    for (MeshObject& object : model.objects) {
        std::vector<Face>().swap(object.faces);
        std::vector<Vec3>().swap(object.normals);
        std::vector<Vec3>().swap(object.vertices);
        std::vector<Vec2>().swap(object.texCoords);
        object.vertexCount = 0;
        object.faceCount = 0;
        object.texCoordCount = 0;
    }
}
