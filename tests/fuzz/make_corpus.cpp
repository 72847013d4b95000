// Writes the fuzz target's seed corpus: small well-formed models covering every chunk
// the reader handles, and a few damaged ones. Run by hand when the reader learns a new
// chunk: make_corpus tests/fuzz/corpus
#include "model_file.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool Write(const std::string& folder, const char* name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

TestObject Triangle() {
    TestObject o;
    o.name = "tri";
    o.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    o.texCoords = {{0, 0}, {1, 0}, {0, 1}};
    o.faces = {{0, 1, 2}};
    o.material = "grass";
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<TestMaterial> materials = {{"sky", "SKY.BMP"}, {"grass", "GRASS2.BMP"}};
    const auto scene = WriteModelFile(materials, {BackdropObject(), ReliefObject(4)});
    auto truncated = scene;
    truncated.resize(scene.size() / 2);
    auto badIndex = WriteModelFile({{"grass", ""}}, {Triangle()});
    TestObject outOfRange = Triangle();
    outOfRange.faces.push_back({0, 2, 9});
    bool ok = Write(folder, "scene.3ds", scene) &&
              Write(folder, "triangle.3ds", WriteModelFile({{"grass", "GRASS2.BMP", {1, 2, 3}}}, {Triangle()})) &&
              Write(folder, "ribbon_v4.3ds", WriteModelFile({}, {RibbonObject(12)}, 4)) &&
              Write(folder, "untextured.3ds", badIndex) &&
              Write(folder, "face_index.3ds", WriteModelFile({{"grass", ""}}, {outOfRange})) &&
              Write(folder, "truncated.3ds", truncated) &&
              Write(folder, "three_materials.3ds",
                    WriteModelFile({{"sky", "SKY.BMP"}, {"grass", "GRASS2.BMP"}, {"chrome", "CHROME.BMP"}},
                                   {BackdropObject(), ReliefObject(4)}));
    return ok ? 0 : 1;
}
