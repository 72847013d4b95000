// Vertex normals: the linear pass gives exactly the numbers of the per-vertex scan of
// all faces, and well-defined zeros where that scan divides by zero.
#include "test_util.h"

#include <cmath>
#include <cstring>
#include <random>

namespace {

void ExpectSameBits(const Model& a, const Model& b) {
    ASSERT_EQ(a.objects.size(), b.objects.size());
    for (std::size_t i = 0; i < a.objects.size(); ++i) {
        const auto& na = a.objects[i].normals;
        const auto& nb = b.objects[i].normals;
        ASSERT_EQ(na.size(), nb.size());
        for (std::size_t v = 0; v < na.size(); ++v) {
            ASSERT_EQ(std::memcmp(&na[v], &nb[v], sizeof(Vec3)), 0)
                << "object " << i << " vertex " << v << ": " << na[v].x << " " << na[v].y << " " << na[v].z
                << " vs " << nb[v].x << " " << nb[v].y << " " << nb[v].z;
        }
    }
}

void ExpectMatchesQuadratic(const std::vector<std::uint8_t>& file) {
    Model model;
    ASSERT_EQ(Parse(file, model).status, ModelReadStatus::Complete);
    Model reference = model;
    ComputeNormalsQuadratic(reference);
    ExpectSameBits(model, reference);
}

TEST(Normals, MatchTheQuadraticDefinitionOnRealModels) {
    ExpectMatchesQuadratic(ShippedOrStandInLogo());
    ExpectMatchesQuadratic(StandInLogoFile());
    ExpectMatchesQuadratic(WriteModelFile({}, {RibbonObject(4000), ReliefObject(50), BackdropObject()}));
}

// Random meshes with shared vertices, repeated corners and degenerate faces, where the
// order of the float additions shows in the last bits.
TEST(Normals, MatchTheQuadraticDefinitionOnRandomMeshes) {
    std::mt19937 random(1234);
    for (int round = 0; round < 20; ++round) {
        Model model;
        MeshObject& object = AppendObject(model);
        const int vertices = 1 + static_cast<int>(random() % 300);
        std::uniform_real_distribution<float> coordinate(-50.0f, 50.0f);
        for (int v = 0; v < vertices; ++v) object.vertices.push_back({coordinate(random), coordinate(random), coordinate(random)});
        const int faces = static_cast<int>(random() % 900);
        for (int f = 0; f < faces; ++f) {
            Face face;
            for (auto& index : face.vertexIndex) index = static_cast<std::int32_t>(random() % vertices);
            if (f % 7 == 0) face.vertexIndex[2] = face.vertexIndex[0];
            if (f % 11 == 0) face.vertexIndex[1] = face.vertexIndex[2];
            object.faces.push_back(face);
        }
        object.vertexCount = vertices;
        object.faceCount = faces;
        Model reference = model;
        ComputeNormals(model);
        ComputeNormalsQuadratic(reference);
        ExpectSameBits(model, reference);
    }
}

TEST(Normals, CounterClockwiseTrianglesFaceTheViewer) {
    Model model;
    MeshObject& object = AppendObject(model);
    object.vertices = {{0, 0, 0}, {2, 0, 0}, {0, 3, 0}, {5, 5, 5}};
    object.faces.push_back(Face{{0, 1, 2}, {0, 0, 0}});
    object.vertexCount = 4;
    object.faceCount = 1;
    ComputeNormals(model);
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(object.normals[v].x, 0.0f);
        EXPECT_EQ(object.normals[v].y, 0.0f);
        EXPECT_EQ(object.normals[v].z, 1.0f);
    }
    // Vertex 3 is in no face.
    EXPECT_EQ(object.normals[3].x, 0.0f);
    EXPECT_EQ(object.normals[3].y, 0.0f);
    EXPECT_EQ(object.normals[3].z, 0.0f);
}

TEST(Normals, ZeroInsteadOfNaN) {
    Model model;
    MeshObject& object = AppendObject(model);
    // Vertices 0-2: only degenerate faces. Vertex 3-5: two opposite faces cancel.
    object.vertices = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {9, 9, 9}};
    object.faces = {Face{{0, 1, 2}, {}}, Face{{0, 0, 1}, {}}, Face{{3, 4, 5}, {}}, Face{{3, 5, 4}, {}}};
    object.vertexCount = 7;
    object.faceCount = 4;
    ComputeNormals(model);
    for (const Vec3& n : object.normals) {
        EXPECT_EQ(n.x, 0.0f);
        EXPECT_EQ(n.y, 0.0f);
        EXPECT_EQ(n.z, 0.0f);
    }
}

TEST(Normals, EmptyModelsAndObjects) {
    Model model;
    ComputeNormals(model);
    EXPECT_EQ(model.objectCount, 0);
    AppendObject(model);
    ComputeNormals(model);
    EXPECT_TRUE(model.objects[0].normals.empty());
}

TEST(Normals, ReleaseMeshesFreesTheArrays) {
    Model model;
    ASSERT_EQ(Parse(StandInLogoFile(), model).status, ModelReadStatus::Complete);
    ReleaseMeshes(model);
    EXPECT_EQ(model.objectCount, 2);
    for (const MeshObject& object : model.objects) {
        EXPECT_EQ(object.vertices.capacity() + object.normals.capacity() + object.faces.capacity() +
                      object.texCoords.capacity(),
                  0u);
        EXPECT_EQ(object.vertexCount + object.faceCount + object.texCoordCount, 0);
    }
}

}  // namespace
