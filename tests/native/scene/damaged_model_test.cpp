// The reader on damaged data: it never reads outside the data or faults (the suite
// runs under AddressSanitizer and UBSan), stops at the first damage, says where, and
// keeps a drawable model of what came before.
#include "test_util.h"

#include <sanitizer/asan_interface.h>

#include <string>

namespace {

// Each prefix is read in place; the bytes after it are poisoned, so a read past the
// given size is an AddressSanitizer error just as a read past an allocation is.
TEST(DamagedModel, TruncationAtEveryOffset) {
    const std::vector<std::uint8_t> file = ShippedOrStandInLogo();
    Model whole;
    ASSERT_EQ(Parse(file, whole).status, ModelReadStatus::Complete);
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[file.size()]);
    std::memcpy(buffer.get(), file.data(), file.size());
    for (std::size_t size = 0; size < file.size(); ++size) {
        ASAN_POISON_MEMORY_REGION(buffer.get() + size, file.size() - size);
        Model model;
        const ModelReadReport report = ReadModel(model, buffer.get(), size);
        ASAN_UNPOISON_MEMORY_REGION(buffer.get() + size, file.size() - size);
        ASSERT_EQ(report.status, size < 6 ? ModelReadStatus::NotModel : ModelReadStatus::Damaged) << size;
        ASSERT_LE(report.chunkOffset, size);
        ASSERT_TRUE(Consistent(model)) << size;
        ASSERT_LE(model.objectCount, whole.objectCount);
        ASSERT_LE(model.materialCount, whole.materialCount);
    }
}

// One object "o" with a vertex list; the vertex list's header is at the returned offset.
struct VertexFile {
    std::vector<std::uint8_t> bytes;
    std::size_t objectAt = 0, meshAt = 0, verticesAt = 0;
};

VertexFile OneObject(std::uint16_t count, int floatsWritten) {
    VertexFile f;
    ChunkWriter w;
    w.Open(0x4D4D);
    w.Open(0x3D3D);
    w.Leaf(0x3D3E, {3, 0, 0, 0});
    f.objectAt = w.Open(0x4000);
    w.String("o");
    f.meshAt = w.Open(0x4100);
    f.verticesAt = w.Open(0x4110);
    w.U16(count);
    for (int i = 0; i < floatsWritten; ++i) w.Float(1.0f);
    w.Close();
    w.Close();
    w.Close();
    w.Close();
    w.Leaf(0xB000, {0, 0, 0, 0});  // data goes on after the editor block
    w.Close();
    f.bytes = w.bytes;
    return f;
}

void ExpectDamage(const std::vector<std::uint8_t>& bytes, std::uint16_t chunkId, std::size_t offset,
                  const std::string& problem) {
    Model model;
    const ModelReadReport report = Parse(bytes, model);
    EXPECT_EQ(report.status, ModelReadStatus::Damaged);
    EXPECT_EQ(report.chunkId, chunkId);
    EXPECT_EQ(report.chunkOffset, offset);
    EXPECT_EQ(std::string(report.problem), problem);
    ExpectConsistent(model);
}

TEST(DamagedModel, ChunkLengthsTooLargeTooSmallOrZero) {
    const VertexFile good = OneObject(2, 6);
    Model model;
    ASSERT_EQ(Parse(good.bytes, model).status, ModelReadStatus::Complete);
    ASSERT_EQ(model.objects[0].vertexCount, 2);

    for (std::uint32_t length : {0u, 1u, 5u}) {
        VertexFile f = good;
        ChunkWriter w{};
        w.bytes = f.bytes;
        w.PatchU32(f.verticesAt + 2, length);
        ExpectDamage(w.bytes, 0x4110, f.verticesAt, "chunk length under 6");
    }
    {  // one byte longer than the mesh that holds it
        ChunkWriter w;
        w.bytes = good.bytes;
        w.PatchU32(good.verticesAt + 2, 6 + 2 + 24 + 1);
        ExpectDamage(w.bytes, 0x4110, good.verticesAt, "chunk runs past the end of its parent");
        w.PatchU32(good.verticesAt + 2, static_cast<std::uint32_t>(good.bytes.size() - good.verticesAt + 1));
        ExpectDamage(w.bytes, 0x4110, good.verticesAt, "chunk runs past the end of its parent");
        w.PatchU32(good.verticesAt + 2, 0xFFFFFFFFu);
        ExpectDamage(w.bytes, 0x4110, good.verticesAt, "chunk runs past the end of its parent");
    }
    {  // a main chunk longer than the data: the end of the data is reported
        ChunkWriter w;
        w.bytes = good.bytes;
        w.PatchU32(2, static_cast<std::uint32_t>(good.bytes.size() + 100));
        ExpectDamage(w.bytes, 0x4D4D, 0, "data ends inside the chunk");
        w.PatchU32(2, 3);
        ExpectDamage(w.bytes, 0x4D4D, 0, "chunk length under 6");
    }
    {  // a mesh that ends two bytes into its next child's header
        ChunkWriter w;
        w.bytes = good.bytes;
        w.bytes.insert(w.bytes.begin() + static_cast<std::ptrdiff_t>(good.verticesAt + 32), {0x10, 0x41});
        for (std::size_t chunk : {std::size_t{0}, std::size_t{6}, good.objectAt, good.meshAt}) {
            const std::size_t at = chunk + 2;
            const std::uint32_t old = w.bytes[at] | w.bytes[at + 1] << 8 | w.bytes[at + 2] << 16;
            w.PatchU32(at, old + 2);
        }
        ExpectDamage(w.bytes, 0x4100, good.meshAt, "sub-chunk header runs past the end of the chunk");
    }
    {  // a chunk shorter than its own data: the vertices do not fit
        ChunkWriter w;
        w.bytes = good.bytes;
        w.PatchU32(good.verticesAt + 2, 6 + 2 + 12);
        ExpectDamage(w.bytes, 0x4110, good.verticesAt, "vertex count larger than the chunk");
    }
}

TEST(DamagedModel, CountsLargerThanTheChunk) {
    // 65535 vertices claimed, one held: nothing is allocated for them.
    ExpectDamage(OneObject(65535, 3).bytes, 0x4110, OneObject(65535, 3).verticesAt,
                 "vertex count larger than the chunk");
    ExpectDamage(OneObject(3, 8).bytes, 0x4110, OneObject(3, 8).verticesAt, "vertex count larger than the chunk");

    for (std::uint16_t id : {std::uint16_t{0x4120}, std::uint16_t{0x4140}}) {
        std::size_t at = 0;
        const auto bytes = EditorFile([&](ChunkWriter& w) {
            w.Open(0x4000);
            w.String("o");
            at = w.Open(id);
            w.U16(40000);
            for (int i = 0; i < 8; ++i) w.U16(0);
            w.Close();
            w.Close();
        });
        ExpectDamage(bytes, id, at, id == 0x4120 ? "face count larger than the chunk"
                                                 : "texture coordinate count larger than the chunk");
    }
    {  // no room for the count itself
        std::size_t at = 0;
        const auto bytes = EditorFile([&](ChunkWriter& w) {
            w.Open(0x4000);
            w.String("o");
            at = w.Open(0x4120);
            w.U8(1);
            w.Close();
            w.Close();
        });
        ExpectDamage(bytes, 0x4120, at, "count runs past the end of the chunk");
    }
}

TEST(DamagedModel, KeepsWhatWasReadBeforeTheDamage) {
    TestObject first = ReliefObject(10);
    TestObject second = RibbonObject(20);
    std::vector<std::uint8_t> bytes = WriteModelFile({{"grass", "GRASS2.BMP"}}, {first, second});
    // Cut the file in the middle of the second object's vertices.
    const std::vector<std::uint8_t> whole = bytes;
    bytes.resize(bytes.size() - 400);
    Model model;
    const ModelReadReport report = Parse(bytes, model);
    ASSERT_EQ(report.status, ModelReadStatus::Damaged);
    ExpectConsistent(model);
    ASSERT_EQ(model.objectCount, 2);
    EXPECT_EQ(model.objects[0].vertexCount, 40);
    EXPECT_EQ(model.objects[0].faceCount, 20);
    EXPECT_EQ(model.objects[0].materialId, 0);
    EXPECT_TRUE(model.objects[0].hasTexture);
    EXPECT_STREQ(model.objects[1].name, "ribbon");
}

// Nesting that would recurse once per chunk: mesh in mesh, texture map in texture map,
// editor in editor. Far more levels than any stack allows.
TEST(DamagedModel, DeepNestingEndsTheWalk) {
    const int levels = 200000;
    for (std::uint16_t id : {std::uint16_t{0x4100}, std::uint16_t{0xA200}, std::uint16_t{0x3D3D}}) {
        ChunkWriter w;
        w.Open(0x4D4D);
        w.Open(0x3D3D);
        w.Leaf(0x3D3E, {3, 0, 0, 0});
        if (id == 0x4100) {
            w.Open(0x4000);
            w.String("o");
        } else if (id == 0xA200) {
            w.Open(0xAFFF);
        }
        for (int i = 0; i < levels; ++i) {
            w.Open(id);
            if (id == 0x3D3D) w.Leaf(0x3D3E, {});
        }
        for (int i = 0; i < levels; ++i) w.Close();
        if (id != 0x3D3D) w.Close();
        w.Close();
        w.Close();
        Model model;
        const ModelReadReport report = Parse(w.bytes, model);
        EXPECT_EQ(report.status, ModelReadStatus::Damaged);
        EXPECT_EQ(report.chunkId, id);
        EXPECT_EQ(std::string(report.problem), "chunks nested too deeply");
        ExpectConsistent(model);
    }
}

TEST(DamagedModel, OverLongNamesAreCut) {
    const std::string longName(1000, 'n');
    const std::string cut(MODEL_NAME_SIZE - 1, 'n');
    const auto bytes = EditorFile([&](ChunkWriter& w) {
        WriteTestMaterial(w, longName, std::string(600, 'f'));
        w.Open(0x4000);
        w.String(longName);
        w.Open(0x4100);
        w.Open(0x4110);
        w.U16(3);
        for (int i = 0; i < 9; ++i) w.Float(static_cast<float>(i));
        w.Close();
        w.Open(0x4120);
        w.U16(1);
        for (std::uint16_t i : {0, 1, 2, 0}) w.U16(i);
        w.Open(0x4130);
        w.String(longName + "-longer-still");  // the same once cut
        w.U16(0);
        w.Close();
        w.Close();
        w.Close();
        w.Close();
        WriteTestMaterial(w, "after", "");
    });
    Model model;
    const ModelReadReport report = Parse(bytes, model);
    ASSERT_EQ(report.status, ModelReadStatus::Complete) << DescribeReadProblem(report);
    ExpectConsistent(model);
    ASSERT_EQ(model.materialCount, 2);
    EXPECT_EQ(std::string(model.materials[0].name), cut);
    EXPECT_EQ(std::string(model.materials[0].textureFile), std::string(MODEL_NAME_SIZE - 1, 'f'));
    EXPECT_STREQ(model.materials[1].name, "after");
    ASSERT_EQ(model.objectCount, 1);
    EXPECT_EQ(std::string(model.objects[0].name), cut);
    EXPECT_EQ(model.objects[0].vertexCount, 3);
    EXPECT_EQ(model.objects[0].materialId, 0);
    EXPECT_TRUE(model.objects[0].hasTexture);
}

TEST(DamagedModel, NameWithoutItsEnd) {
    std::size_t at = 0;
    const auto bytes = EditorFile([&](ChunkWriter& w) {
        at = w.Open(0x4000);
        for (char c : std::string("unterminated")) w.U8(static_cast<std::uint8_t>(c));
        w.Close();
    });
    ExpectDamage(bytes, 0x4000, at, "name runs past the end of the chunk");
}

// A colour or version chunk larger than its field fills only the field.
TEST(DamagedModel, OversizedFixedFields) {
    const auto bytes = EditorFile([](ChunkWriter& w) {
        w.Leaf(0x0002, {4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
        w.Open(0xAFFF);
        w.Open(0xA020);
        w.Leaf(0x0010, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120});  // three floats

        w.Close();
        w.Open(0xA000);
        w.String("m");
        w.Close();
        w.Close();
    });
    Model model;
    const ModelReadReport report = Parse(bytes, model);
    ASSERT_EQ(report.status, ModelReadStatus::Complete);
    EXPECT_EQ(report.fileVersion, 4u);
    ASSERT_EQ(model.materialCount, 1);
    EXPECT_STREQ(model.materials[0].name, "m");
    EXPECT_EQ(model.materials[0].colour[0], 10);
    EXPECT_EQ(model.materials[0].colour[1], 20);
    EXPECT_EQ(model.materials[0].colour[2], 30);
    EXPECT_EQ(model.materials[0].textureSlot, 0);
}

TEST(DamagedModel, FacesNamingMissingVerticesAreDropped) {
    TestObject object;
    object.name = "o";
    object.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {1, 0, 1}};
    object.faces = {{0, 1, 2}, {1, 4, 2}, {1, 3, 2}, {65535, 0, 1}, {3, 2, 4}, {2, 1, 0}};
    Model model;
    const ModelReadReport report = Parse(WriteModelFile({}, {object}), model);
    ASSERT_EQ(report.status, ModelReadStatus::Complete);
    ExpectConsistent(model);
    ASSERT_EQ(report.droppedFaces.size(), 1u);
    EXPECT_EQ(report.droppedFaces[0], 3);
    const MeshObject& o = model.objects[0];
    ASSERT_EQ(o.faceCount, 3);
    EXPECT_EQ(o.faces[0].vertexIndex[1], 1);
    EXPECT_EQ(o.faces[1].vertexIndex[1], 3);
    EXPECT_EQ(o.faces[2].vertexIndex[0], 2);

    // Faces before any vertex list name no vertex at all.
    TestObject empty;
    empty.name = "e";
    empty.faces = {{0, 0, 0}};
    Model model2;
    const ModelReadReport report2 = Parse(WriteModelFile({}, {empty}), model2);
    EXPECT_EQ(report2.droppedFaces[0], 1);
    EXPECT_EQ(model2.objects[0].faceCount, 0);
}

}  // namespace
