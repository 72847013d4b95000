// Test models: a small writer of 3DS chunk trees, and complete model files built with
// it (a stand-in for the shipped logo, a large synthetic model) for the reader's tests,
// the fuzz corpus and the benchmarks.
#pragma once

#include "model.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Appends chunks to a byte vector; Close() writes the length of the chunk opened last.
class ChunkWriter {
public:
    // Returns the offset of the new chunk's header.
    std::size_t Open(std::uint16_t id);
    void Close();
    void U8(std::uint8_t value) { bytes.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void Float(float value);
    void String(const std::string& text);  // with its NUL
    // A whole chunk holding raw data.
    void Leaf(std::uint16_t id, const std::vector<std::uint8_t>& data);

    // Overwrites the 32-bit value at offset (a chunk's length is at its offset + 2).
    void PatchU32(std::size_t offset, std::uint32_t value);

    std::vector<std::uint8_t> bytes;

private:
    std::vector<std::size_t> open_;
};

struct TestMaterial {
    std::string name;
    std::string textureFile;  // empty: no texture map chunk
    std::array<std::uint8_t, 3> colour{150, 150, 150};
};

// Vertices in file axes (z up); faces as three indices; texture coordinates optional.
struct TestObject {
    std::string name;
    std::vector<Vec3> vertices;
    std::vector<std::array<std::uint16_t, 3>> faces;
    std::vector<Vec2> texCoords;
    std::string material;  // empty: no face material group
};

// A complete file in the layout of the shipped model: version, editor block with mesh
// version, materials (ambient, diffuse with a gamma-corrected second colour, specular,
// texture map with tiling), master scale, objects (vertices, mapping, faces with their
// material group and smoothing groups, local axes), then a keyframer block.
std::vector<std::uint8_t> WriteModelFile(const std::vector<TestMaterial>& materials,
                                         const std::vector<TestObject>& objects, std::uint32_t version = 3);

// The backdrop rectangle with the shipped corners and texture coordinates.
TestObject BackdropObject();

// A flat relief 0.2 deep of about `quads` separate quads, every vertex with a texture
// coordinate, like the shipped logo "Shape1".
TestObject ReliefObject(int quads);

// A twisted ribbon of `vertexCount` vertices (even) sharing edges, with vertexCount - 2
// faces: the most vertices a 16-bit face count allows.
TestObject RibbonObject(int vertexCount);

// Stand-in for the shipped model: "sky" and "grass", backdrop and a 2500-vertex logo.
std::vector<std::uint8_t> StandInLogoFile();

// saver/res/logo.3ds when it is in the source tree, otherwise StandInLogoFile().
std::vector<std::uint8_t> ShippedOrStandInLogo();

// Reads a whole file; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// Normals exactly as defined: for every vertex, scan every face in order. Zero for a
// vertex no face names and for a zero or non-finite sum.
void ComputeNormalsQuadratic(Model& model);
