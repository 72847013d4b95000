// Tests of the art generator: the 3DS file's chunk structure, the logo solid,
// triangulation and outline tracing, and the bitmap headers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "logo_mesh.h"
#include "outline.h"
#include "sidebar.h"
#include "tds_writer.h"
#include "triangulate.h"

using namespace artgen;

namespace {

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

float leFloat(const std::vector<std::uint8_t>& b, std::size_t at) {
    const std::uint32_t bits = le(b, at, 4);
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

struct Chunk {
    std::uint16_t id;
    std::size_t start, end;  // header start, one past the last byte
    std::vector<Chunk> children;
};

// Bytes of chunk data before the sub-chunks, for the chunks that have both.
std::size_t dataSize(const std::vector<std::uint8_t>& b, std::uint16_t id, std::size_t dataStart) {
    switch (id) {
        case 0x4000: return std::strlen(reinterpret_cast<const char*>(&b[dataStart])) + 1;
        case 0x4120: return 2 + 8 * le(b, dataStart, 2);
        case 0xB00A: case 0x4110: case 0x4140: case 0x4130: case 0x4150: case 0x4160: case 0x0002:
        case 0x3D3E: case 0xA000: case 0xA300: case 0xA351: case 0xA100: case 0x0030: case 0x0011:
        case 0x0100: case 0xB008: case 0xB009: case 0xB010: case 0xB013: case 0xB020: case 0xB021:
        case 0xB022: case 0xB030:
            return SIZE_MAX;  // leaf: all data
        default: return 0;    // container
    }
}

// Parses the chunk tree, failing the test if any chunk overruns its parent or
// its children do not exactly fill it.
Chunk parse(const std::vector<std::uint8_t>& b, std::size_t start, std::size_t limit) {
    Chunk c{static_cast<std::uint16_t>(le(b, start, 2)), start, start + le(b, start + 2, 4), {}};
    EXPECT_LE(c.end, limit) << "chunk " << std::hex << c.id << " overruns its parent";
    if (c.end > limit) return c;
    const std::size_t data = dataSize(b, c.id, start + 6);
    if (data == SIZE_MAX) return c;
    std::size_t at = start + 6 + data;
    while (at < c.end) {
        c.children.push_back(parse(b, at, c.end));
        if (c.children.back().end <= at) break;
        at = c.children.back().end;
    }
    EXPECT_EQ(at, c.end) << "children of chunk " << std::hex << c.id << " do not fill it";
    return c;
}

std::vector<std::uint16_t> ids(const Chunk& c) {
    std::vector<std::uint16_t> out;
    for (const Chunk& k : c.children) out.push_back(k.id);
    return out;
}

const Chunk* child(const Chunk& c, std::uint16_t id) {
    for (const Chunk& k : c.children)
        if (k.id == id) return &k;
    return nullptr;
}

}  // namespace

TEST(TdsWriter, NestsChunksWithExactLengths) {
    ChunkWriter w;
    w.begin(0x4D4D);
    w.begin(0x0002);
    w.u32(3);
    w.end();
    w.begin(0x3D3D);
    w.end();
    w.end();
    const auto& b = w.bytes();
    ASSERT_EQ(b.size(), 6u + 10u + 6u);
    EXPECT_EQ(le(b, 2, 4), 22u);
    EXPECT_EQ(le(b, 6, 2), 0x0002u);
    EXPECT_EQ(le(b, 8, 4), 10u);
    EXPECT_EQ(le(b, 12, 4), 3u);
    EXPECT_EQ(le(b, 18, 4), 6u);
}

TEST(TdsWriter, ModelFileHasTheStructureTheReaderWalks) {
    const std::vector<Mesh> meshes = {buildBackdrop(), buildLogo()};
    const std::vector<std::uint8_t> file =
        encodeTds({{"sky", "SKY.BMP", {150, 150, 150}}, {"grass", "GRASS2.BMP", {150, 150, 150}}}, meshes);
    const Chunk main = parse(file, 0, file.size());
    ASSERT_EQ(main.id, 0x4D4D);
    EXPECT_EQ(main.end, file.size());
    ASSERT_EQ(ids(main), (std::vector<std::uint16_t>{0x0002, 0x3D3D, 0xB000}));
    EXPECT_EQ(le(file, main.children[0].start + 6, 4), 3u);

    // Editor: mesh version first, materials before the objects, master scale.
    const Chunk& editor = main.children[1];
    ASSERT_EQ(ids(editor), (std::vector<std::uint16_t>{0x3D3E, 0xAFFF, 0xAFFF, 0x0100, 0x4000, 0x4000}));
    const char* names[] = {"sky", "grass"};
    const char* maps[] = {"SKY.BMP", "GRASS2.BMP"};
    for (int m = 0; m < 2; ++m) {
        const Chunk& mat = editor.children[1 + m];
        EXPECT_STREQ(reinterpret_cast<const char*>(&file[child(mat, 0xA000)->start + 6]), names[m]);
        const Chunk* diffuse = child(mat, 0xA020);
        ASSERT_NE(diffuse, nullptr);
        ASSERT_EQ(ids(*diffuse), (std::vector<std::uint16_t>{0x0011}));
        EXPECT_EQ(diffuse->children[0].end - diffuse->children[0].start, 9u);
        EXPECT_EQ(file[diffuse->children[0].start + 6], 150);
        const Chunk* texture = child(mat, 0xA200);
        ASSERT_NE(texture, nullptr);
        EXPECT_STREQ(reinterpret_cast<const char*>(&file[child(*texture, 0xA300)->start + 6]), maps[m]);
    }

    for (int o = 0; o < 2; ++o) {
        const Chunk& obj = editor.children[4 + o];
        EXPECT_STREQ(reinterpret_cast<const char*>(&file[obj.start + 6]), meshes[o].name.c_str());
        ASSERT_EQ(obj.children.size(), 1u);
        const Chunk& tri = obj.children[0];
        const std::size_t vertices = le(file, child(tri, 0x4110)->start + 6, 2);
        EXPECT_EQ(vertices, meshes[o].vertices.size());
        EXPECT_EQ(le(file, child(tri, 0x4140)->start + 6, 2), vertices);
        const Chunk* faces = child(tri, 0x4120);
        const std::size_t faceCount = le(file, faces->start + 6, 2);
        EXPECT_EQ(faceCount, meshes[o].faces.size());
        for (std::size_t f = 0; f < faceCount; ++f)
            for (int k = 0; k < 3; ++k) EXPECT_LT(le(file, faces->start + 8 + 8 * f + 2 * k, 2), vertices);
        // The face list's sub-chunks are its last bytes: material group first.
        ASSERT_EQ(ids(*faces), (std::vector<std::uint16_t>{0x4130, 0x4150}));
        EXPECT_STREQ(reinterpret_cast<const char*>(&file[faces->children[0].start + 6]), o == 0 ? "sky" : "grass");
    }

    // Scene axes go to the file's z-up axes: file (x, y, z) = scene (x, -z, y).
    const std::size_t firstVertex = child(editor.children[4].children[0], 0x4110)->start + 8;
    EXPECT_FLOAT_EQ(leFloat(file, firstVertex), -31.163f);
    EXPECT_FLOAT_EQ(leFloat(file, firstVertex + 4), 4.324f);
    EXPECT_FLOAT_EQ(leFloat(file, firstVertex + 8), -22.382f);
}

TEST(LogoMesh, IsAClosedSolidWithOutwardFaces) {
    const Mesh logo = buildLogo();
    ASSERT_EQ(logo.texCoords.size(), logo.vertices.size());
    ASSERT_LE(logo.vertices.size(), 65535u);

    // Every edge, matched by position, is used once in each direction.
    std::map<std::vector<double>, int> edges;
    double volume = 0, frontArea = 0;
    for (const Triangle& f : logo.faces) {
        for (int k = 0; k < 3; ++k) {
            const P3 a = logo.vertices[f[k]], b = logo.vertices[f[(k + 1) % 3]];
            ++edges[{a.x, a.y, a.z, b.x, b.y, b.z}];
        }
        const P3 a = logo.vertices[f[0]], b = logo.vertices[f[1]], c = logo.vertices[f[2]];
        volume += dot(a, cross(b, c)) / 6;
        const P3 n = cross(b - a, c - a);
        if (a.z > 0.1 && b.z > 0.1 && c.z > 0.1) {
            EXPECT_GE(n.z, 0) << "front face turned away from the viewer";
            frontArea += n.z / 2;
        }
    }
    for (const auto& [key, count] : edges) {
        const auto reverse = edges.find({key[3], key[4], key[5], key[0], key[1], key[2]});
        ASSERT_NE(reverse, edges.end()) << "open edge";
        EXPECT_EQ(count, reverse->second);
    }
    EXPECT_NEAR(volume, frontArea * 0.2, frontArea * 0.2 * 1e-6);

    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const P3& v : logo.vertices) {
        minX = std::min(minX, v.x);
        maxX = std::max(maxX, v.x);
        minY = std::min(minY, v.y);
        maxY = std::max(maxY, v.y);
    }
    EXPECT_NEAR(maxX - minX, 6.4, 0.15);
    EXPECT_NEAR(maxY - minY, 5.7, 0.15);
    for (const P2& t : logo.texCoords) {
        EXPECT_GE(t.x, 0);
        EXPECT_LE(t.x, 1);
        EXPECT_GE(t.y, 0);
        EXPECT_LE(t.y, 1);
    }
}

TEST(Triangulate, CoversARegionWithAHole) {
    const Outline outer = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    const Outline hole = {{1, 1}, {1, 3}, {3, 3}, {3, 1}};  // clockwise
    const std::vector<Triangle> tris = triangulateRegion({outer, hole});
    std::vector<P2> pts(outer);
    pts.insert(pts.end(), hole.begin(), hole.end());
    double area = 0;
    for (const Triangle& t : tris) {
        const double a = cross(pts[t[1]] - pts[t[0]], pts[t[2]] - pts[t[0]]) / 2;
        EXPECT_GT(a, 0);
        area += a;
    }
    EXPECT_DOUBLE_EQ(area, 12.0);
    EXPECT_EQ(tris.size(), 8u);
}

TEST(Outline, TracesADiscCounterClockwiseAndARingWithAHole) {
    const TraceArea area{-2, -2, 2, 2, 0.01};
    const auto disc = traceOutlines([](P2 p) { return length(p) - 1; }, area);
    ASSERT_EQ(disc.size(), 1u);
    EXPECT_NEAR(signedArea(disc[0]), 3.14159265, 1e-3);
    const Outline coarse = simplifyOutline(disc[0], 0.002);
    EXPECT_LT(coarse.size(), disc[0].size() / 4);
    EXPECT_NEAR(signedArea(coarse), 3.14159265, 0.02);

    const auto ring = traceOutlines([](P2 p) { return std::fabs(length(p) - 1) - 0.25; }, area);
    ASSERT_EQ(ring.size(), 2u);
    const double a0 = signedArea(ring[0]), a1 = signedArea(ring[1]);
    EXPECT_NEAR(std::max(a0, a1), 3.14159265 * 1.25 * 1.25, 1e-2);
    EXPECT_NEAR(std::min(a0, a1), -3.14159265 * 0.75 * 0.75, 1e-2);
}

TEST(BmpWriter, WritesBottomUpPaddedRows) {
    RgbImage img(3, 2);
    img.at(0, 0) = {255, 0, 0};  // top left
    img.at(2, 1) = {0, 0, 255};  // bottom right
    const auto b = encodeBmp24(img);
    ASSERT_EQ(b.size(), 54u + 2 * 12u);
    EXPECT_EQ(le(b, 2, 4), b.size());
    EXPECT_EQ(le(b, 10, 4), 54u);
    EXPECT_EQ(le(b, 22, 4), 2u);   // positive height: bottom-up
    EXPECT_EQ(le(b, 28, 2), 24u);
    EXPECT_EQ(b[54 + 6], 255);      // bottom row first: blue pixel at x = 2, stored B, G, R
    EXPECT_EQ(b[54 + 12 + 2], 255); // then the top row: red pixel at x = 0
}

TEST(Sidebar, KeepsTheSystemColoursForTheFrameOnly) {
    const IndexedImage side = makeSidebar();
    ASSERT_EQ(side.width, 200);
    ASSERT_EQ(side.height, 340);
    const Rgb sys[4] = {{0, 0, 0}, {128, 128, 128}, {192, 192, 192}, {255, 255, 255}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(side.palette[i].r, sys[i].r);
        EXPECT_EQ(side.palette[i].b, sys[i].b);
    }
    // No other entry may equal one of them, or CreateMappedBitmap would recolour it.
    for (int i = 4; i < 256; ++i)
        for (const Rgb& s : sys)
            EXPECT_FALSE(side.palette[i].r == s.r && side.palette[i].g == s.g && side.palette[i].b == s.b) << i;
    std::set<int> interior;
    for (int y = 2; y < 338; ++y)
        for (int x = 2; x < 198; ++x) interior.insert(side.at(x, y));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(interior.count(i), 0u);
    EXPECT_EQ(side.at(0, 0), 1);
    EXPECT_EQ(side.at(1, 5), 0);
    EXPECT_EQ(side.at(198, 5), 2);
    EXPECT_EQ(side.at(199, 5), 3);
    EXPECT_EQ(encodeBmp8(side).size(), 14u + 40u + 1024u + 200u * 340u);
}
