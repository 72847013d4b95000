// 3D Studio file encoding.
#include "tds_writer.h"

#include <cstring>
#include <stdexcept>

namespace artgen {

namespace {

enum : std::uint16_t {
    kMain = 0x4D4D,
    kVersion = 0x0002,
    kColour24 = 0x0011,
    kPercent = 0x0030,
    kMasterScale = 0x0100,
    kEditor = 0x3D3D,
    kMeshVersion = 0x3D3E,
    kObject = 0x4000,
    kTriMesh = 0x4100,
    kVertexList = 0x4110,
    kFaceList = 0x4120,
    kFaceMaterial = 0x4130,
    kMapping = 0x4140,
    kSmoothing = 0x4150,
    kLocalAxes = 0x4160,
    kMaterial = 0xAFFF,
    kMatName = 0xA000,
    kMatAmbient = 0xA010,
    kMatDiffuse = 0xA020,
    kMatSpecular = 0xA030,
    kMatShading = 0xA100,
    kTextureMap = 0xA200,
    kMapFile = 0xA300,
    kMapTiling = 0xA351,
    kKeyframer = 0xB000,
    kKfObjectNode = 0xB002,
    kKfSegment = 0xB008,
    kKfCurrentTime = 0xB009,
    kKfHeader = 0xB00A,
    kNodeHeader = 0xB010,
    kPivot = 0xB013,
    kPositionTrack = 0xB020,
    kRotationTrack = 0xB021,
    kScaleTrack = 0xB022,
    kNodeId = 0xB030,
};

constexpr std::uint32_t kFileVersion = 3;
constexpr std::uint32_t kAnimationFrames = 100;

void colourChunk(ChunkWriter& w, std::uint16_t id, Rgb c) {
    w.begin(id);
    w.begin(kColour24);
    w.out8(c.r);
    w.out8(c.g);
    w.out8(c.b);
    w.end();
    w.end();
}

void writeMaterial(ChunkWriter& w, const TdsMaterial& m) {
    w.begin(kMaterial);
    w.begin(kMatName);
    w.text(m.name);
    w.end();
    colourChunk(w, kMatAmbient, m.diffuse);
    colourChunk(w, kMatDiffuse, m.diffuse);
    colourChunk(w, kMatSpecular, {229, 229, 229});
    w.begin(kMatShading);
    w.u16(3);  // Phong
    w.end();
    if (!m.textureFile.empty()) {
        w.begin(kTextureMap);
        w.begin(kPercent);
        w.u16(100);
        w.end();
        w.begin(kMapFile);
        w.text(m.textureFile);
        w.end();
        w.begin(kMapTiling);
        w.u16(0);
        w.end();
        w.end();
    }
    w.end();
}

void writeMesh(ChunkWriter& w, const Mesh& mesh) {
    if (mesh.vertices.size() > 0xFFFF || mesh.faces.size() > 0xFFFF)
        throw std::runtime_error("mesh " + mesh.name + " is too large for a 3DS file");
    w.begin(kObject);
    w.text(mesh.name);
    w.begin(kTriMesh);

    w.begin(kVertexList);
    w.u16(static_cast<std::uint32_t>(mesh.vertices.size()));
    for (const P3& v : mesh.vertices) {
        w.f32(static_cast<float>(v.x));
        w.f32(static_cast<float>(-v.z));
        w.f32(static_cast<float>(v.y));
    }
    w.end();

    w.begin(kMapping);
    w.u16(static_cast<std::uint32_t>(mesh.texCoords.size()));
    for (const P2& t : mesh.texCoords) {
        w.f32(static_cast<float>(t.x));
        w.f32(static_cast<float>(t.y));
    }
    w.end();

    w.begin(kLocalAxes);
    const float axes[12] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    for (float f : axes) w.f32(f);
    w.end();

    w.begin(kFaceList);
    w.u16(static_cast<std::uint32_t>(mesh.faces.size()));
    for (const Triangle& f : mesh.faces) {
        for (int i : f) w.u16(static_cast<std::uint32_t>(i));
        w.u16(7);  // all three edges visible
    }
    w.begin(kFaceMaterial);
    w.text(mesh.material);
    w.u16(static_cast<std::uint32_t>(mesh.faces.size()));
    for (std::size_t i = 0; i < mesh.faces.size(); ++i) w.u16(static_cast<std::uint32_t>(i));
    w.end();
    w.begin(kSmoothing);
    for (std::size_t i = 0; i < mesh.faces.size(); ++i) w.u32(i < mesh.smoothing.size() ? mesh.smoothing[i] : 0);
    w.end();
    w.end();  // face list

    w.end();  // triangle mesh
    w.end();  // object
}

void writeTrack(ChunkWriter& w, std::uint16_t id, const std::vector<float>& key) {
    w.begin(id);
    w.u16(0);  // flags
    w.u32(0);
    w.u32(0);
    w.u32(1);  // one key
    w.u32(0);  // at frame 0
    w.u16(0);  // no spline terms
    for (float f : key) w.f32(f);
    w.end();
}

void writeKeyframer(ChunkWriter& w, const std::vector<Mesh>& meshes) {
    w.begin(kKeyframer);
    w.begin(kKfHeader);
    w.u16(5);
    w.text("MAXSCENE");
    w.u32(kAnimationFrames);
    w.end();
    w.begin(kKfSegment);
    w.u32(0);
    w.u32(kAnimationFrames);
    w.end();
    w.begin(kKfCurrentTime);
    w.u32(0);
    w.end();
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        w.begin(kKfObjectNode);
        w.begin(kNodeId);
        w.u16(static_cast<std::uint32_t>(i));
        w.end();
        w.begin(kNodeHeader);
        w.text(meshes[i].name);
        w.u16(0x4000);
        w.u16(0);
        w.u16(0xFFFF);  // no parent
        w.end();
        w.begin(kPivot);
        w.f32(0);
        w.f32(0);
        w.f32(0);
        w.end();
        writeTrack(w, kPositionTrack, {0, 0, 0});
        writeTrack(w, kRotationTrack, {0, 0, 0, 1});
        writeTrack(w, kScaleTrack, {1, 1, 1});
        w.end();
    }
    w.end();
}

}  // namespace

void ChunkWriter::begin(std::uint16_t id) {
    open_.push_back(out_.size());
    u16(id);
    u32(0);  // length, filled in by end()
}

void ChunkWriter::end() {
    const std::size_t start = open_.back();
    open_.pop_back();
    const std::size_t length = out_.size() - start;
    for (int i = 0; i < 4; ++i) out_[start + 2 + i] = static_cast<std::uint8_t>(length >> (8 * i));
}

void ChunkWriter::out8(std::uint32_t v) { out_.push_back(static_cast<std::uint8_t>(v)); }

void ChunkWriter::u16(std::uint32_t v) {
    out8(v);
    out8(v >> 8);
}

void ChunkWriter::u32(std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
}

void ChunkWriter::f32(float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    u32(bits);
}

void ChunkWriter::text(const std::string& s) {
    for (char c : s) out8(static_cast<unsigned char>(c));
    out8(0);
}

std::vector<std::uint8_t> encodeTds(const std::vector<TdsMaterial>& materials, const std::vector<Mesh>& meshes) {
    ChunkWriter w;
    w.begin(kMain);
    w.begin(kVersion);
    w.u32(kFileVersion);
    w.end();
    w.begin(kEditor);
    w.begin(kMeshVersion);
    w.u32(kFileVersion);
    w.end();
    for (const TdsMaterial& m : materials) writeMaterial(w, m);
    w.begin(kMasterScale);
    w.f32(1.0f);
    w.end();
    for (const Mesh& m : meshes) writeMesh(w, m);
    w.end();  // editor
    writeKeyframer(w, meshes);
    w.end();  // main
    return w.bytes();
}

}  // namespace artgen
