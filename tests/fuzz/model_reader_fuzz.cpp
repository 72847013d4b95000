// libFuzzer target for the 3DS reader: any input must read without fault and leave a
// model the renderer can draw safely.
#include "model_reader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Model model;
    const ModelReadReport report = ReadModel(model, data, size);
    Require(report.status == ModelReadStatus::Complete || !DescribeReadProblem(report).empty());
    Require(report.chunkOffset <= size);
    Require(model.objectCount == static_cast<std::int32_t>(model.objects.size()));
    Require(model.materialCount == static_cast<std::int32_t>(model.materials.size()));
    Require(report.status != ModelReadStatus::NotModel || (model.objects.empty() && model.materials.empty()));
    for (const Material& material : model.materials) {
        Require(material.name[MODEL_NAME_SIZE - 1] == '\0' && material.textureFile[MODEL_NAME_SIZE - 1] == '\0');
    }
    for (const MeshObject& object : model.objects) {
        Require(object.name[MODEL_NAME_SIZE - 1] == '\0');
        Require(object.vertexCount == static_cast<std::int32_t>(object.vertices.size()));
        Require(object.normals.size() == object.vertices.size());
        Require(object.faceCount == static_cast<std::int32_t>(object.faces.size()));
        Require(object.texCoordCount == static_cast<std::int32_t>(object.texCoords.size()));
        Require(object.materialId >= -1 && object.materialId < model.materialCount + (model.materialCount == 0));
        for (const Face& face : object.faces) {
            for (std::int32_t index : face.vertexIndex) Require(index >= 0 && index < object.vertexCount);
        }
        for (const Vec3& n : object.normals) Require(!std::isnan(n.x) && !std::isnan(n.y) && !std::isnan(n.z));
    }
    return 0;
}
