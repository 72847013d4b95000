// The reader on well-formed files: what it keeps, what it skips, and the format's
// quirks that the saver relies on.
#include "test_util.h"

#include <cstring>

namespace {

TEST(ModelReader, ReadsTheLogoModel) {
    Model model;
    const ModelReadReport report = Parse(ShippedOrStandInLogo(), model);
    ASSERT_EQ(report.status, ModelReadStatus::Complete) << DescribeReadProblem(report);
    EXPECT_EQ(report.fileVersion, 3u);
    ExpectConsistent(model);

    ASSERT_EQ(model.materialCount, 2);
    EXPECT_STREQ(model.materials[0].name, "sky");
    EXPECT_STREQ(model.materials[0].textureFile, "SKY.BMP");
    EXPECT_STREQ(model.materials[1].name, "grass");
    EXPECT_STREQ(model.materials[1].textureFile, "GRASS2.BMP");
    for (const Material& material : model.materials) {
        EXPECT_EQ(material.colour[0], 150);
        EXPECT_EQ(material.colour[1], 150);
        EXPECT_EQ(material.colour[2], 150);
    }

    ASSERT_EQ(model.objectCount, 2);
    const MeshObject& backdrop = model.objects[0];
    EXPECT_STREQ(backdrop.name, "backdrop");
    EXPECT_EQ(backdrop.vertexCount, 4);
    EXPECT_EQ(backdrop.texCoordCount, 4);
    EXPECT_EQ(backdrop.faceCount, 2);
    EXPECT_EQ(backdrop.materialId, 0);
    EXPECT_TRUE(backdrop.hasTexture);
    for (int i = 0; i < 4; ++i) {
        const Vec3& v = backdrop.vertices[i];
        const Vec2& t = backdrop.texCoords[i];
        EXPECT_NEAR(v.z, -4.324f, 1e-3f);
        EXPECT_NEAR(v.x, t.u == 0.0f ? -31.163f : 30.325f, 1e-3f);
        EXPECT_NEAR(v.y, t.v == 0.0f ? -22.382f : 23.087f, 1e-3f);
        // Wound counter-clockwise as seen from the camera: normals face the viewer.
        EXPECT_NEAR(backdrop.normals[i].z, 1.0f, 1e-6f);
    }

    const MeshObject& logo = model.objects[1];
    EXPECT_STREQ(logo.name, "Shape1");
    EXPECT_EQ(logo.materialId, 1);
    EXPECT_TRUE(logo.hasTexture);
    EXPECT_EQ(logo.texCoordCount, logo.vertexCount);
    EXPECT_GT(logo.faceCount, 1000);
    int outside = 0;
    for (const Vec3& v : logo.vertices) {
        outside += !(v.x >= -3.2f && v.x <= 3.2f && v.y >= -2.9f && v.y <= 2.9f && v.z >= 0.0f && v.z <= 0.2001f);
    }
    for (const Vec2& t : logo.texCoords) outside += !(t.u >= 0.0f && t.u <= 1.0f && t.v >= 0.0f && t.v <= 1.0f);
    EXPECT_EQ(outside, 0);
}

TEST(ModelReader, ConvertsFileAxesToSceneAxes) {
    TestObject object;
    object.name = "o";
    object.vertices = {{1, 2, 3}};
    Model model;
    ASSERT_EQ(Parse(WriteModelFile({}, {object}), model).status, ModelReadStatus::Complete);
    const Vec3& v = model.objects[0].vertices[0];
    EXPECT_EQ(v.x, 1.0f);
    EXPECT_EQ(v.y, 3.0f);
    EXPECT_EQ(v.z, -2.0f);
}

TEST(ModelReader, VersionOnlyFileGivesAnEmptyModel) {
    for (std::uint32_t version : {3u, 4u}) {
        ChunkWriter w;
        w.Open(0x4D4D);
        w.Open(0x0002);
        w.U32(version);
        w.Close();
        w.Close();
        Model model;
        const ModelReadReport report = Parse(w.bytes, model);
        EXPECT_EQ(report.status, ModelReadStatus::Complete);
        EXPECT_EQ(report.fileVersion, version);
        EXPECT_EQ(model.objectCount, 0);
        EXPECT_EQ(model.materialCount, 0);
    }
}

TEST(ModelReader, NewerVersionStillLoads) {
    Model model;
    const ModelReadReport report =
        Parse(WriteModelFile({{"sky", "SKY.BMP"}}, {BackdropObject()}, 4), model);
    EXPECT_EQ(report.status, ModelReadStatus::Complete);
    EXPECT_EQ(report.fileVersion, 4u);
    EXPECT_EQ(model.objectCount, 1);
    EXPECT_TRUE(model.objects[0].hasTexture);
}

TEST(ModelReader, RejectsDataThatIsNotAModel) {
    const std::vector<std::vector<std::uint8_t>> inputs = {
        {}, {0x4D, 0x4D, 6, 0, 0}, {0x4D, 0x4C, 6, 0, 0, 0}, {'B', 'M', 0x36, 0, 0, 0, 0, 0}};
    for (const auto& bytes : inputs) {
        Model model;
        const ModelReadReport report = Parse(bytes, model);
        EXPECT_EQ(report.status, ModelReadStatus::NotModel);
        EXPECT_EQ(model.objectCount, 0);
        EXPECT_TRUE(model.objects.empty() && model.materials.empty());
        EXPECT_FALSE(DescribeReadProblem(report).empty());
    }
}

// Unknown chunks in every level are skipped whole: putting one everywhere changes nothing.
TEST(ModelReader, SkipsUnknownChunksAtEveryLevel) {
    auto unknown = [](ChunkWriter& w) { w.Leaf(0x7777, {0x00, 0x40, 0x10, 0x41, 0x06, 0x00, 0x00, 0x00}); };
    ChunkWriter w;
    w.Open(0x4D4D);
    unknown(w);
    w.Open(0x3D3D);
    w.Leaf(0x3D3E, {3, 0, 0, 0});
    unknown(w);
    w.Open(0xAFFF);
    unknown(w);
    w.Open(0xA000);
    w.String("m");
    w.Close();
    w.Open(0xA200);
    unknown(w);
    w.Open(0xA300);
    w.String("M.BMP");
    w.Close();
    w.Close();
    w.Close();
    w.Open(0x4000);
    w.String("o");
    unknown(w);
    w.Open(0x4100);
    unknown(w);
    w.Open(0x4110);
    w.U16(3);
    for (float f : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 0.f, 1.f}) w.Float(f);
    w.Close();
    w.Open(0x4120);
    w.U16(1);
    for (std::uint16_t i : {0, 1, 2, 0}) w.U16(i);
    unknown(w);
    w.Open(0x4130);
    w.String("m");
    w.U16(0);
    w.Close();
    w.Close();
    w.Close();
    w.Close();
    w.Close();
    unknown(w);
    w.Close();

    Model model;
    const ModelReadReport report = Parse(w.bytes, model);
    ASSERT_EQ(report.status, ModelReadStatus::Complete) << DescribeReadProblem(report);
    ASSERT_EQ(model.materialCount, 1);
    EXPECT_STREQ(model.materials[0].name, "m");
    EXPECT_STREQ(model.materials[0].textureFile, "M.BMP");
    ASSERT_EQ(model.objectCount, 1);
    EXPECT_EQ(model.objects[0].vertexCount, 3);
    EXPECT_EQ(model.objects[0].faceCount, 1);
    EXPECT_EQ(model.objects[0].materialId, 0);
    EXPECT_TRUE(model.objects[0].hasTexture);
}

TEST(ModelReader, PassesOverTheEditorBlocksFirstSubChunkWhateverItIs) {
    ChunkWriter w;
    w.Open(0x4D4D);
    w.Open(0x3D3D);
    WriteTestMaterial(w, "first", "");  // in the mesh version's place: discarded
    WriteTestMaterial(w, "second", "");
    w.Close();
    w.Close();
    Model model;
    ASSERT_EQ(Parse(w.bytes, model).status, ModelReadStatus::Complete);
    ASSERT_EQ(model.materialCount, 1);
    EXPECT_STREQ(model.materials[0].name, "second");
}

// Object with a face list followed by the given face material groups.
std::vector<std::uint8_t> GroupsFile(const std::vector<std::string>& groups, bool withMaterials) {
    return EditorFile([&](ChunkWriter& w) {
        if (withMaterials) {
            WriteTestMaterial(w, "plain", "");
            WriteTestMaterial(w, "textured", "T.BMP");
            WriteTestMaterial(w, "plain2", "");
        }
        w.Open(0x4000);
        w.String("o");
        w.Open(0x4100);
        w.Open(0x4110);
        w.U16(3);
        for (int i = 0; i < 9; ++i) w.Float(static_cast<float>(i % 4));
        w.Close();
        w.Open(0x4120);
        w.U16(1);
        for (std::uint16_t i : {0, 1, 2, 0}) w.U16(i);
        for (const std::string& group : groups) {
            w.Open(0x4130);
            w.String(group);
            w.U16(1);
            w.U16(0);
            w.Close();
        }
        w.Close();
        w.Close();
        w.Close();
    });
}

TEST(ModelReader, FaceMaterialGroupsChooseTheObjectsMaterial) {
    struct Case {
        std::vector<std::string> groups;
        bool withMaterials;
        std::int32_t materialId;
        bool hasTexture;
    };
    const Case cases[] = {
        {{}, true, 0, false},                      // no group: material 0, untextured
        {{"plain2"}, true, 2, false},
        {{"textured"}, true, 1, true},
        {{"plain", "plain2"}, true, 2, false},     // the last group wins
        {{"textured", "plain"}, true, 0, true},    // a texture, once found, stays
        {{"missing"}, true, -1, false},
        {{"textured", "missing"}, true, -1, true},
        {{"Plain"}, true, -1, false},              // names compare exactly
        {{"plain"}, false, 0, false},              // no materials yet: untouched
    };
    for (const Case& c : cases) {
        Model model;
        ASSERT_EQ(Parse(GroupsFile(c.groups, c.withMaterials), model).status, ModelReadStatus::Complete);
        ASSERT_EQ(model.objectCount, 1);
        EXPECT_EQ(model.objects[0].materialId, c.materialId) << ::testing::PrintToString(c.groups);
        EXPECT_EQ(model.objects[0].hasTexture, c.hasTexture) << ::testing::PrintToString(c.groups);
    }
}

// The diffuse colour is its first sub-chunk's bytes; what follows it inside the diffuse
// chunk is walked as material-level chunks.
TEST(ModelReader, TakesTheDiffuseColourFromItsFirstSubChunk) {
    const auto bytes = EditorFile([](ChunkWriter& w) {
        w.Open(0xAFFF);
        w.Open(0xA010);
        w.Leaf(0x0011, {1, 2, 3});
        w.Close();
        w.Open(0xA020);
        w.Leaf(0x0012, {10, 20, 30});  // the id is not examined
        w.Open(0xA000);                // read as if it were the material's own
        w.String("inner");
        w.Close();
        w.Close();
        w.Open(0xA030);
        w.Leaf(0x0011, {7, 8, 9});
        w.Close();
        w.Close();
    });
    Model model;
    ASSERT_EQ(Parse(bytes, model).status, ModelReadStatus::Complete);
    ASSERT_EQ(model.materialCount, 1);
    EXPECT_EQ(model.materials[0].colour[0], 10);
    EXPECT_EQ(model.materials[0].colour[1], 20);
    EXPECT_EQ(model.materials[0].colour[2], 30);
    EXPECT_STREQ(model.materials[0].name, "inner");
}

TEST(ModelReader, ObjectsKeepFileOrderAndMaterialsTheirIndex) {
    TestObject a = ReliefObject(3), b = RibbonObject(10), c = BackdropObject();
    a.name = "a", b.name = "b", c.name = "c";
    b.material = "two";
    c.material = "one";
    Model model;
    ASSERT_EQ(Parse(WriteModelFile({{"one", ""}, {"two", "TWO.BMP"}}, {a, b, c}), model).status,
              ModelReadStatus::Complete);
    ASSERT_EQ(model.objectCount, 3);
    EXPECT_STREQ(model.objects[0].name, "a");
    EXPECT_EQ(model.objects[0].materialId, -1);  // "grass" is not in this file
    EXPECT_STREQ(model.objects[1].name, "b");
    EXPECT_EQ(model.objects[1].materialId, 1);
    EXPECT_TRUE(model.objects[1].hasTexture);
    EXPECT_EQ(model.objects[1].texCoordCount, 10);
    EXPECT_STREQ(model.objects[2].name, "c");
    EXPECT_EQ(model.objects[2].materialId, 0);
    EXPECT_FALSE(model.objects[2].hasTexture);
}

}  // namespace
