// model_inspect: reads a 3DS file with the saver's own reader and prints its materials
// and objects, or one error line naming what is wrong and where.
//
//   model_inspect FILE.3ds                     print the model
//   model_inspect --check FILE.3ds [BMP...]    check that the saver can use the model
//       as its logo and the bitmaps as its textures: one summary line, or one error
//       line and exit status 1
#include "model_reader.h"
#include "texture_names.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const kProgram = "model_inspect";

int Error(const std::string& path, const std::string& text) {
    std::fprintf(stderr, "%s: error: %s: %s\n", kProgram, path.c_str(), text.c_str());
    return 1;
}

void Warn(const std::string& path, const std::string& text) {
    std::fprintf(stderr, "%s: warning: %s: %s\n", kProgram, path.c_str(), text.c_str());
}

std::string Quoted(const char* text) { return std::string("\"") + text + "\""; }

std::string MaterialOf(const Model& model, const MeshObject& object) {
    if (object.materialId < 0) return "-1 (not found)";
    if (object.materialId >= model.materialCount) return std::to_string(object.materialId) + " (none)";
    return std::to_string(object.materialId) + " " + Quoted(model.materials[object.materialId].name);
}

void PrintModel(const std::string& path, std::size_t size, const ModelReadReport& report, const Model& model) {
    std::printf("%s: %zu bytes, file version %u\n", path.c_str(), size, static_cast<unsigned>(report.fileVersion));
    std::printf("materials: %d\n", model.materialCount);
    for (int i = 0; i < model.materialCount; ++i) {
        const Material& m = model.materials[i];
        std::printf("  %d %s texture %s colour %u %u %u\n", i, Quoted(m.name).c_str(), Quoted(m.textureFile).c_str(),
                    m.colour[0], m.colour[1], m.colour[2]);
    }
    std::printf("objects: %d\n", model.objectCount);
    for (int i = 0; i < model.objectCount; ++i) {
        const MeshObject& o = model.objects[i];
        std::printf("  %d %s vertices %d texture coordinates %d faces %d material %s%s\n", i, Quoted(o.name).c_str(),
                    o.vertexCount, o.texCoordCount, o.faceCount, MaterialOf(model, o).c_str(),
                    o.hasTexture ? " textured" : "");
        if (o.vertices.empty()) continue;
        Vec3 low = o.vertices[0], high = o.vertices[0];
        for (const Vec3& v : o.vertices) {
            low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
            high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
        }
        // (+ 0.0f prints -0 as 0)
        std::printf("    bounds x %.3f to %.3f, y %.3f to %.3f, z %.3f to %.3f\n", low.x + 0.0f, high.x + 0.0f,
                    low.y + 0.0f, high.y + 0.0f, low.z + 0.0f, high.z + 0.0f);
    }
}

// What the saver can draw but not as intended.
void WarnAboutModel(const std::string& path, const ModelReadReport& report, const Model& model) {
    if (report.fileVersion > MODEL_MAX_FILE_VERSION) {
        Warn(path, "file version " + std::to_string(report.fileVersion) + " is newer than 3, which the saver reads");
    }
    for (int i = 0; i < model.objectCount; ++i) {
        const MeshObject& o = model.objects[i];
        const std::string name = "object " + std::to_string(i) + " " + Quoted(o.name);
        if (report.droppedFaces[i] > 0) {
            Warn(path, name + ": " + std::to_string(report.droppedFaces[i]) +
                           " faces dropped (vertex index at or above the vertex count)");
        }
        if (o.materialId < 0) Warn(path, name + ": its material is not in the file before it; drawn plain white");
        if (o.hasTexture && o.texCoordCount < o.vertexCount) {
            Warn(path, name + ": textured but has " + std::to_string(o.texCoordCount) + " texture coordinates for " +
                           std::to_string(o.vertexCount) + " vertices");
        }
    }
}

// Why the saver cannot use the model as its logo scene; empty when it can.
std::string Unusable(const ModelReadReport& report, const Model& model) {
    if (report.fileVersion > MODEL_MAX_FILE_VERSION)
        return "file version " + std::to_string(report.fileVersion) + "; the saver reads versions up to 3";
    if (model.materialCount > MAX_MODEL_MATERIALS) {
        const int slot = model.materialCount + APPENDED_TEXTURE_MATERIALS - 1;
        return std::to_string(model.materialCount) + " materials; the saver adds " +
               std::to_string(APPENDED_TEXTURE_MATERIALS) + " texture materials after the model's own, so with more than " +
               std::to_string(MAX_MODEL_MATERIALS) + " its materials need texture slot " + std::to_string(slot) +
               " (bitmap " + std::to_string(TEXTURE_RESOURCE_BASE + slot) + "), beyond the " +
               std::to_string(TEXTURE_NAME_COUNT) + " bitmaps";
    }
    if (model.objectCount < 2) {
        return "needs two objects, the backdrop (object 0) and the logo (object 1); it has " +
               std::to_string(model.objectCount);
    }
    for (int i = 0; i < 2; ++i) {
        if (model.objects[i].faceCount == 0) {
            return "object " + std::to_string(i) + " " + Quoted(model.objects[i].name) + " has no faces";
        }
    }
    return std::string();
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | b[at + i];
    return value;
}

// Why the saver cannot make a texture of the bitmap file (it loads uncompressed 24- and
// 32-bit device-independent bitmaps); empty when it can.
std::string UnusableBitmap(const std::vector<std::uint8_t>& b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return "not a BMP file";
    const std::uint32_t dataOffset = Le(b, 10, 4), headerSize = Le(b, 14, 4);
    if (headerSize < 40) return "old-style bitmap header; needs a 40-byte or larger info header";
    const auto width = static_cast<std::int32_t>(Le(b, 18, 4)), height = static_cast<std::int32_t>(Le(b, 22, 4));
    const std::uint32_t bits = Le(b, 28, 2), compression = Le(b, 30, 4);
    if (bits != 24 && bits != 32) return std::to_string(bits) + " bits per pixel; needs 24 or 32";
    if (compression != 0 && !(bits == 32 && compression == 3)) return "compressed; needs uncompressed pixels";
    if (width <= 0 || height == 0 || height == INT32_MIN) return "empty image";
    if (height < 0) return "rows stored top-down (negative height); save it bottom-up";
    if (width > MAX_TEXTURE_SIDE || height > MAX_TEXTURE_SIDE)
        return std::to_string(width) + " x " + std::to_string(height) + " pixels; sides up to " +
               std::to_string(MAX_TEXTURE_SIDE);
    const std::uint64_t stride = (std::uint64_t{static_cast<std::uint32_t>(width)} * bits / 8 + 3) / 4 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(height);
    if (std::uint64_t{dataOffset} + stride * rows > b.size()) return "pixel data cut short";
    return std::string();
}

std::vector<std::uint8_t> ReadAll(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return {};
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) error = "cannot read";
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    const int first = check ? 2 : 1;
    if (argc <= first || (!check && argc != 2) || argv[first][0] == '-') {
        std::fprintf(stderr, "usage: %s FILE.3ds\n       %s --check FILE.3ds [BITMAP.bmp...]\n", kProgram, kProgram);
        return 2;
    }
    const std::string path = argv[first];

    std::string error;
    const std::vector<std::uint8_t> bytes = ReadAll(path, error);
    if (!error.empty()) return Error(path, error);

    Model model;
    const ModelReadReport report = ReadModel(model, bytes.data(), bytes.size());
    if (report.status == ModelReadStatus::NotModel) return Error(path, "not a 3DS model: " + DescribeReadProblem(report));
    if (report.status == ModelReadStatus::Damaged) return Error(path, "damaged: " + DescribeReadProblem(report));

    WarnAboutModel(path, report, model);
    if (check) {
        const std::string problem = Unusable(report, model);
        if (!problem.empty()) return Error(path, "cannot be the logo model: " + problem);
        for (int i = first + 1; i < argc; ++i) {
            const std::vector<std::uint8_t> bitmap = ReadAll(argv[i], error);
            if (!error.empty()) return Error(argv[i], error);
            const std::string why = UnusableBitmap(bitmap);
            if (!why.empty()) return Error(argv[i], "cannot be a texture: " + why);
        }
        std::printf("%s: usable logo model: %d materials, %d objects, logo %s with %d vertices and %d faces; "
                    "%d bitmaps usable\n",
                    path.c_str(), model.materialCount, model.objectCount, Quoted(model.objects[1].name).c_str(),
                    model.objects[1].vertexCount, model.objects[1].faceCount, argc - first - 1);
        return 0;
    }
    PrintModel(path, bytes.size(), report, model);
    return 0;
}
