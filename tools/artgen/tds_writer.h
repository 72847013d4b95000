// Writes a model as a 3D Studio (.3ds) file: materials with a diffuse colour and
// a texture map, triangle meshes with mapping coordinates, face material groups
// and smoothing groups, a master scale and a keyframer block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"
#include "mesh.h"

namespace artgen {

struct TdsMaterial {
    std::string name;
    std::string textureFile;
    Rgb diffuse;
};

// Appends little-endian values and nested chunks; each chunk's length is filled
// in when it is closed.
class ChunkWriter {
public:
    void begin(std::uint16_t id);
    void end();
    void out8(std::uint32_t v);
    void u16(std::uint32_t v);
    void u32(std::uint32_t v);
    void f32(float v);
    void text(const std::string& s);  // with its terminating zero
    const std::vector<std::uint8_t>& bytes() const { return out_; }

private:
    std::vector<std::uint8_t> out_;
    std::vector<std::size_t> open_;
};

// The complete file. Materials come before the meshes that name them. Mesh
// vertices are given in the scene's axes (y up, z towards the viewer) and stored
// in the file's axes (z up): file (x, y, z) = scene (x, -z, y).
std::vector<std::uint8_t> encodeTds(const std::vector<TdsMaterial>& materials, const std::vector<Mesh>& meshes);

}  // namespace artgen
