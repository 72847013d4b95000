// The logo model in memory: materials and named triangle meshes as the 3DS reader
// fills them, and the pass that gives every vertex a smooth normal. Portable.
#pragma once

#include <cstdint>
#include <vector>

// Size of every name field: up to 254 characters and the terminating NUL.
constexpr int MODEL_NAME_SIZE = 255;

// A point, a direction, or a triple of per-axis values (spin angles).
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;  // up, after the reader's axis conversion
    float z = 0.0f;  // towards the viewer, after the reader's axis conversion
};

// A texture coordinate pair, exactly as stored in the file.
struct Vec2 {
    float u = 0.0f;
    float v = 0.0f;
};

// One triangle. Texture coordinates are looked up with the vertex index;
// texCoordIndex is never filled.
struct Face {
    std::int32_t vertexIndex[3] = {0, 0, 0};
    std::int32_t texCoordIndex[3] = {0, 0, 0};
};

// One material. A new Material is all zero: empty strings, black, slot 0.
struct Material {
    char name[MODEL_NAME_SIZE] = {};
    char textureFile[MODEL_NAME_SIZE] = {};  // empty when the material has no texture
    std::uint8_t colour[3] = {0, 0, 0};      // diffuse red, green, blue
    std::int32_t textureSlot = 0;
};

// One named mesh. A new MeshObject is all zero: no arrays, materialId 0, no texture.
// The counts always equal the sizes of their arrays once the reader has finished
// (normals: once ComputeNormals has run).
struct MeshObject {
    std::int32_t vertexCount = 0;
    std::int32_t faceCount = 0;
    std::int32_t texCoordCount = 0;
    std::int32_t materialId = 0;  // index into Model::materials; -1 when not found
    bool hasTexture = false;
    char name[MODEL_NAME_SIZE] = {};
    std::vector<Vec3> vertices;  // scene axes
    std::vector<Vec3> normals;   // unit normal per vertex; zero for unused vertices
    std::vector<Vec2> texCoords; // per vertex index; may be shorter than vertices
    std::vector<Face> faces;     // every vertexIndex is below vertexCount
};

// The whole model. objectCount and materialCount always equal the lengths of objects
// and materials; object 0 is the backdrop, object 1 the logo.
struct Model {
    std::int32_t objectCount = 0;
    std::int32_t materialCount = 0;
    std::vector<Material> materials;
    std::vector<MeshObject> objects;
};

// Counts one more material and appends it zero-filled; returns the new last material.
Material& AppendMaterial(Model& model);

// Counts one more object and appends it zero-filled; returns the new last object.
MeshObject& AppendObject(Model& model);

// Copies text into a name field, cut at MODEL_NAME_SIZE - 1 characters, NUL-terminated.
void SetName(char (&field)[MODEL_NAME_SIZE], const char* text);

// Fills the normals of every object: per vertex, the unit vector of the sum of
// (P1 - P0) x (P2 - P0) over the faces that name it, summed in face order (the same
// float results, bit for bit, as scanning every face for every vertex). A vertex no
// face names, or whose sum is zero or not finite, gets (0, 0, 0). A face that names a
// vertex index outside the object adds nothing. Linear time.
void ComputeNormals(Model& model);

// Frees the four arrays of every object (faces, normals, vertices, texCoords, in that
// order) and sets the object's vertex, face and texture-coordinate counts to 0.
void ReleaseMeshes(Model& model);
