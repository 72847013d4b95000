// Test model files and the quadratic normals definition.
#include "model_file.h"

#include <cmath>
#include <cstring>
#include <fstream>

std::size_t ChunkWriter::Open(std::uint16_t id) {
    const std::size_t start = bytes.size();
    open_.push_back(start);
    U16(id);
    U32(0);
    return start;
}

void ChunkWriter::Close() {
    const std::size_t start = open_.back();
    open_.pop_back();
    PatchU32(start + 2, static_cast<std::uint32_t>(bytes.size() - start));
}

void ChunkWriter::PatchU32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void ChunkWriter::U16(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value));
    U8(static_cast<std::uint8_t>(value >> 8));
}

void ChunkWriter::U32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) U8(static_cast<std::uint8_t>(value >> (8 * i)));
}

void ChunkWriter::Float(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    U32(bits);
}

void ChunkWriter::String(const std::string& text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
    U8(0);
}

void ChunkWriter::Leaf(std::uint16_t id, const std::vector<std::uint8_t>& data) {
    Open(id);
    bytes.insert(bytes.end(), data.begin(), data.end());
    Close();
}

namespace {

void Colour(ChunkWriter& w, std::uint16_t id, const std::array<std::uint8_t, 3>& rgb) {
    w.Leaf(id, {rgb[0], rgb[1], rgb[2]});
}

void WriteMaterial(ChunkWriter& w, const TestMaterial& material) {
    w.Open(0xAFFF);
    w.Open(0xA000);
    w.String(material.name);
    w.Close();
    w.Open(0xA010);  // ambient
    Colour(w, 0x0011, {40, 40, 40});
    w.Close();
    w.Open(0xA020);  // diffuse: 24-bit colour, then its gamma-corrected twin
    Colour(w, 0x0011, material.colour);
    Colour(w, 0x0012, material.colour);
    w.Close();
    w.Open(0xA030);  // specular
    Colour(w, 0x0011, {229, 229, 229});
    w.Close();
    if (!material.textureFile.empty()) {
        w.Open(0xA200);
        w.Open(0x0030);  // amount
        w.U16(100);
        w.Close();
        w.Open(0xA300);
        w.String(material.textureFile);
        w.Close();
        w.Open(0xA351);  // tiling
        w.U16(0);
        w.Close();
        w.Close();
    }
    w.Close();
}

void WriteObject(ChunkWriter& w, const TestObject& object) {
    w.Open(0x4000);
    w.String(object.name);
    w.Open(0x4100);
    w.Open(0x4110);
    w.U16(static_cast<std::uint16_t>(object.vertices.size()));
    for (const Vec3& v : object.vertices) {
        w.Float(v.x);
        w.Float(v.y);
        w.Float(v.z);
    }
    w.Close();
    if (!object.texCoords.empty()) {
        w.Open(0x4140);
        w.U16(static_cast<std::uint16_t>(object.texCoords.size()));
        for (const Vec2& t : object.texCoords) {
            w.Float(t.u);
            w.Float(t.v);
        }
        w.Close();
    }
    w.Open(0x4120);
    w.U16(static_cast<std::uint16_t>(object.faces.size()));
    for (const auto& face : object.faces) {
        for (std::uint16_t index : face) w.U16(index);
        w.U16(7);  // edge flags
    }
    if (!object.material.empty()) {
        w.Open(0x4130);
        w.String(object.material);
        w.U16(static_cast<std::uint16_t>(object.faces.size()));
        for (std::size_t i = 0; i < object.faces.size(); ++i) w.U16(static_cast<std::uint16_t>(i));
        w.Close();
    }
    w.Open(0x4150);  // smoothing groups
    for (std::size_t i = 0; i < object.faces.size(); ++i) w.U32(1);
    w.Close();
    w.Close();
    w.Open(0x4160);  // local axes
    for (int i = 0; i < 12; ++i) w.Float(i % 4 == 0 ? 1.0f : 0.0f);
    w.Close();
    w.Close();
    w.Close();
}

}  // namespace

std::vector<std::uint8_t> WriteModelFile(const std::vector<TestMaterial>& materials,
                                         const std::vector<TestObject>& objects, std::uint32_t version) {
    ChunkWriter w;
    w.Open(0x4D4D);
    w.Open(0x0002);
    w.U32(version);
    w.Close();
    w.Open(0x3D3D);
    w.Open(0x3D3E);  // mesh version
    w.U32(3);
    w.Close();
    for (const TestMaterial& material : materials) WriteMaterial(w, material);
    w.Open(0x0100);  // master scale
    w.Float(1.0f);
    w.Close();
    for (const TestObject& object : objects) WriteObject(w, object);
    w.Close();
    w.Open(0xB000);  // keyframer
    w.Open(0xB00A);
    w.U16(5);
    w.String("SCENE");
    w.U32(100);
    w.Close();
    w.Open(0xB008);
    w.U32(0);
    w.U32(100);
    w.Close();
    w.Close();
    w.Close();
    return w.bytes;
}

// File axes: x right, y away from the viewer, z up.
TestObject BackdropObject() {
    TestObject o;
    o.name = "backdrop";
    o.vertices = {{-31.163f, 4.324f, -22.382f}, {30.325f, 4.324f, -22.382f}, {-31.163f, 4.324f, 23.087f},
                  {30.325f, 4.324f, 23.087f}};
    o.texCoords = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    o.faces = {{0, 1, 3}, {0, 3, 2}};
    o.material = "sky";
    return o;
}

TestObject ReliefObject(int quads) {
    TestObject o;
    o.name = "Shape1";
    const int columns = 32;
    const int rows = (quads + columns - 1) / columns;
    const float width = 6.367f / columns, height = 5.67f / static_cast<float>(rows);
    for (int q = 0; q < quads; ++q) {
        const float x = -3.168f + width * static_cast<float>(q % columns);
        const float z = -2.835f + height * static_cast<float>(q / columns);
        // Front faces, side walls and slopes, so neighbouring normals differ.
        Vec3 corner[4];
        switch (q % 3) {
        case 0:
            corner[0] = {x, -0.2f, z}, corner[1] = {x + width, -0.2f, z};
            corner[2] = {x + width, -0.2f, z + height}, corner[3] = {x, -0.2f, z + height};
            break;
        case 1:
            corner[0] = {x, 0.0f, z}, corner[1] = {x, -0.2f, z};
            corner[2] = {x, -0.2f, z + height}, corner[3] = {x, 0.0f, z + height};
            break;
        default:
            corner[0] = {x, 0.0f, z}, corner[1] = {x + width, -0.1f, z};
            corner[2] = {x + width, -0.2f, z + height}, corner[3] = {x, -0.05f, z + height};
        }
        const std::uint16_t base = static_cast<std::uint16_t>(o.vertices.size());
        for (const Vec3& c : corner) {
            o.vertices.push_back(c);
            o.texCoords.push_back({(c.x + 3.168f) / 6.367f, (c.z + 2.835f) / 5.67f});
        }
        o.faces.push_back({base, static_cast<std::uint16_t>(base + 1), static_cast<std::uint16_t>(base + 2)});
        o.faces.push_back({base, static_cast<std::uint16_t>(base + 2), static_cast<std::uint16_t>(base + 3)});
    }
    o.material = "grass";
    return o;
}

TestObject RibbonObject(int vertexCount) {
    TestObject o;
    o.name = "ribbon";
    const int pairs = vertexCount / 2;
    for (int i = 0; i < pairs; ++i) {
        const float t = 0.01f * static_cast<float>(i);
        const float radius = 1.0f + 0.0005f * static_cast<float>(i);
        for (int side = 0; side < 2; ++side) {
            const float r = radius + 0.3f * static_cast<float>(side);
            o.vertices.push_back({r * std::cos(t), r * std::sin(t), 0.3f * std::sin(3.0f * t) + 0.2f * static_cast<float>(side)});
            o.texCoords.push_back({static_cast<float>(i) / static_cast<float>(pairs), static_cast<float>(side)});
        }
    }
    for (int i = 0; i + 1 < pairs; ++i) {
        const auto a = static_cast<std::uint16_t>(2 * i);
        o.faces.push_back({a, static_cast<std::uint16_t>(a + 1), static_cast<std::uint16_t>(a + 2)});
        o.faces.push_back({static_cast<std::uint16_t>(a + 1), static_cast<std::uint16_t>(a + 3),
                           static_cast<std::uint16_t>(a + 2)});
    }
    return o;
}

std::vector<std::uint8_t> StandInLogoFile() {
    TestObject logo = ReliefObject(622);
    // A few vertices that no face names.
    while (logo.vertices.size() < 2501) {
        logo.vertices.push_back({0.0f, 0.0f, 0.0f});
        logo.texCoords.push_back({0.5f, 0.5f});
    }
    return WriteModelFile({{"sky", "SKY.BMP"}, {"grass", "GRASS2.BMP"}}, {BackdropObject(), logo});
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) return {};
    return bytes;
}

std::vector<std::uint8_t> ShippedOrStandInLogo() {
    std::vector<std::uint8_t> shipped = ReadFileBytes(WHIRL_SOURCE_DIR "/saver/res/logo.3ds");
    return shipped.empty() ? StandInLogoFile() : shipped;
}

void ComputeNormalsQuadratic(Model& model) {
    for (MeshObject& object : model.objects) {
        std::vector<Vec3> faceNormals(object.faces.size());
        for (std::size_t f = 0; f < object.faces.size(); ++f) {
            const Vec3& p0 = object.vertices[object.faces[f].vertexIndex[0]];
            const Vec3& p1 = object.vertices[object.faces[f].vertexIndex[1]];
            const Vec3& p2 = object.vertices[object.faces[f].vertexIndex[2]];
            const Vec3 a{p0.x - p2.x, p0.y - p2.y, p0.z - p2.z};
            const Vec3 b{p2.x - p1.x, p2.y - p1.y, p2.z - p1.z};
            faceNormals[f] = {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
        }
        object.normals.assign(object.vertices.size(), Vec3{});
        for (std::size_t v = 0; v < object.vertices.size(); ++v) {
            Vec3 sum;
            int counter = 0;
            for (std::size_t f = 0; f < object.faces.size(); ++f) {
                const std::int32_t* index = object.faces[f].vertexIndex;
                const auto vertex = static_cast<std::int32_t>(v);
                if (index[0] == vertex || index[1] == vertex || index[2] == vertex) {
                    sum.x += faceNormals[f].x;
                    sum.y += faceNormals[f].y;
                    sum.z += faceNormals[f].z;
                    ++counter;
                }
            }
            if (counter == 0) continue;
            sum.x /= -static_cast<float>(counter);
            sum.y /= -static_cast<float>(counter);
            sum.z /= -static_cast<float>(counter);
            const double length = std::sqrt(static_cast<double>(sum.x * sum.x + sum.y * sum.y + sum.z * sum.z));
            if (length > 0.0 && std::isfinite(length)) {
                object.normals[v] = {static_cast<float>(sum.x / length), static_cast<float>(sum.y / length),
                                     static_cast<float>(sum.z / length)};
            }
        }
    }
}
