// Mesh objects unrolled for vertex arrays: corner order, carried-over texture
// coordinates, faces that cannot be drawn.
#include "corner_arrays.h"

#include <gtest/gtest.h>

TEST(CornerArrays, UnrollsFacesCornerByCornerAndCarriesTextureCoordinatesOver) {
    MeshObject object;
    for (int i = 0; i < 4; ++i) {
        object.vertices.push_back(Vec3{static_cast<float>(i), 0.0f, 0.0f});
        object.normals.push_back(Vec3{0.0f, 0.0f, static_cast<float>(i)});
    }
    object.texCoords = {Vec2{0.5f, 0.25f}, Vec2{1.0f, 0.75f}};  // vertices 2 and 3 have none
    Face first, second, broken;
    first.vertexIndex[0] = 2; first.vertexIndex[1] = 1; first.vertexIndex[2] = 3;
    second.vertexIndex[0] = 3; second.vertexIndex[1] = 0; second.vertexIndex[2] = 2;
    broken.vertexIndex[0] = 0; broken.vertexIndex[1] = 4; broken.vertexIndex[2] = 1;
    object.faces = {first, broken, second};

    const CornerArrays textured = UnrollCorners(object, true);
    ASSERT_EQ(textured.CornerCount(), 6);  // the face naming vertex 4 is left out
    const float xs[] = {2, 1, 3, 3, 0, 2};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(textured.positions[c * 3], xs[c]) << "corner " << c;
        EXPECT_EQ(textured.normals[c * 3 + 2], xs[c]) << "corner " << c;
    }
    // Vertex 2 opens with nothing to carry over; vertex 3 repeats vertex 1's, vertex 2
    // later vertex 0's.
    const float uv[] = {0, 0, 1, 0.75f, 1, 0.75f, 1, 0.75f, 0.5f, 0.25f, 0.5f, 0.25f};
    ASSERT_EQ(textured.texCoords.size(), 12u);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(textured.texCoords[i], uv[i]) << "value " << i;

    EXPECT_TRUE(UnrollCorners(object, false).texCoords.empty());
}
