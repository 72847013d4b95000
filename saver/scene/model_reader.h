// Reads the logo model from 3DS data held in memory: the chunk tree's subset that
// carries materials, meshes, texture coordinates and face materials. Portable.
//
// The reader is bounded: damaged data never makes it read outside the given bytes,
// loop forever, allocate more than the enclosing chunk could hold, or fault. The walk
// stops at the first damage and the model keeps what was read before it.
#pragma once

#include "model.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Files of a newer version than this still load, after a warning.
constexpr std::uint32_t MODEL_MAX_FILE_VERSION = 3;

enum class ModelReadStatus {
    Complete,  // the whole chunk tree was walked
    NotModel,  // the data does not start with the main chunk 0x4D4D; model untouched
    Damaged,   // the walk stopped at damaged data; the model keeps what came before
};

// What ReadModel found besides the model itself.
struct ModelReadReport {
    ModelReadStatus status = ModelReadStatus::NotModel;
    // NotModel and Damaged: where and what. chunkOffset is the byte offset of the
    // chunk's header in the data; problem is a short fixed text.
    std::uint16_t chunkId = 0;
    std::uint32_t chunkOffset = 0;
    const char* problem = "";
    // The file version from the version chunk; 0 when the file has none.
    std::uint32_t fileVersion = 0;
    // Per object (same index as Model::objects): faces dropped because they named a
    // vertex index at or above the object's vertexCount.
    std::vector<std::int32_t> droppedFaces;
};

// Walks the 3DS chunk tree in data[0, size) into model (empty on entry), drops faces
// that name missing vertices, then runs ComputeNormals unless the status is NotModel.
ModelReadReport ReadModel(Model& model, const std::uint8_t* data, std::size_t size);

// One line for a read that did not complete, e.g.
// "chunk 0x4110 at byte 1234: vertex count larger than the chunk".
std::string DescribeReadProblem(const ModelReadReport& report);
