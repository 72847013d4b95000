// Helpers shared by the scene tests: reading from an exact-size heap copy (so that
// AddressSanitizer sees any read past the end) and the model's invariants.
#pragma once

#include "model_file.h"
#include "model_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

inline ModelReadReport Parse(const std::vector<std::uint8_t>& bytes, Model& model) {
    std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[bytes.size() + (bytes.empty() ? 1 : 0)]);
    if (!bytes.empty()) std::memcpy(copy.get(), bytes.data(), bytes.size());
    return ReadModel(model, copy.get(), bytes.size());
}

// Counts match arrays, faces name existing vertices, every normal exists and is finite.
inline ::testing::AssertionResult Consistent(const Model& model) {
    if (model.objectCount != static_cast<std::int32_t>(model.objects.size()) ||
        model.materialCount != static_cast<std::int32_t>(model.materials.size())) {
        return ::testing::AssertionFailure() << "model counts differ from its arrays";
    }
    for (const Material& material : model.materials) {
        if (material.name[MODEL_NAME_SIZE - 1] != '\0' || material.textureFile[MODEL_NAME_SIZE - 1] != '\0') {
            return ::testing::AssertionFailure() << "material name not terminated";
        }
    }
    for (std::size_t i = 0; i < model.objects.size(); ++i) {
        const MeshObject& object = model.objects[i];
        if (object.name[MODEL_NAME_SIZE - 1] != '\0') return ::testing::AssertionFailure() << "object " << i << " name";
        if (object.vertexCount != static_cast<std::int32_t>(object.vertices.size()) ||
            object.faceCount != static_cast<std::int32_t>(object.faces.size()) ||
            object.texCoordCount != static_cast<std::int32_t>(object.texCoords.size()) ||
            object.normals.size() != object.vertices.size()) {
            return ::testing::AssertionFailure() << "object " << i << " counts differ from its arrays";
        }
        for (const Face& face : object.faces) {
            for (std::int32_t index : face.vertexIndex) {
                if (index < 0 || index >= object.vertexCount) {
                    return ::testing::AssertionFailure() << "object " << i << " face names vertex " << index;
                }
            }
        }
        for (const Vec3& n : object.normals) {
            if (!std::isfinite(n.x) || !std::isfinite(n.y) || !std::isfinite(n.z)) {
                return ::testing::AssertionFailure() << "object " << i << " normal not finite";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

inline void ExpectConsistent(const Model& model) { EXPECT_TRUE(Consistent(model)); }

// A file whose editor block holds the mesh version and then what body writes.
inline std::vector<std::uint8_t> EditorFile(const std::function<void(ChunkWriter&)>& body) {
    ChunkWriter w;
    w.Open(0x4D4D);
    w.Open(0x3D3D);
    w.Open(0x3D3E);
    w.U32(3);
    w.Close();
    body(w);
    w.Close();
    w.Close();
    return w.bytes;
}

// A material block with a name and, when textureFile is not empty, a texture map.
inline void WriteTestMaterial(ChunkWriter& w, const std::string& name, const std::string& textureFile) {
    w.Open(0xAFFF);
    w.Open(0xA000);
    w.String(name);
    w.Close();
    if (!textureFile.empty()) {
        w.Open(0xA200);
        w.Open(0xA300);
        w.String(textureFile);
        w.Close();
        w.Close();
    }
    w.Close();
}
