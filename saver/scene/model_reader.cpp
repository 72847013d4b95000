// The 3DS chunk walk. Each level reads child headers until its chunk's length is used
// up, handles the children it knows and skips the rest. Handlers that stop inside a
// child (the face list) leave the cursor there, so the child's sub-chunks are read next
// as siblings. Every read is checked against the enclosing chunk and the data's end;
// the first damage stops the whole walk.
#include "model_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::uint16_t CHUNK_MAIN = 0x4D4D;
constexpr std::uint16_t CHUNK_VERSION = 0x0002;
constexpr std::uint16_t CHUNK_EDITOR = 0x3D3D;
constexpr std::uint16_t CHUNK_OBJECT = 0x4000;
constexpr std::uint16_t CHUNK_MESH = 0x4100;
constexpr std::uint16_t CHUNK_VERTICES = 0x4110;
constexpr std::uint16_t CHUNK_FACES = 0x4120;
constexpr std::uint16_t CHUNK_FACE_MATERIAL = 0x4130;
constexpr std::uint16_t CHUNK_TEX_COORDS = 0x4140;
constexpr std::uint16_t CHUNK_MATERIAL = 0xAFFF;
constexpr std::uint16_t CHUNK_MATERIAL_NAME = 0xA000;
constexpr std::uint16_t CHUNK_DIFFUSE = 0xA020;
constexpr std::uint16_t CHUNK_TEXTURE_MAP = 0xA200;
constexpr std::uint16_t CHUNK_MAP_FILE = 0xA300;

constexpr std::uint32_t HEADER_SIZE = 6;
// Far deeper than any real file nests; keeps damaged data off the end of the stack.
constexpr int MAX_DEPTH = 32;

// One chunk being read. start is the offset of its header; limit is where its bytes
// end: start + length, or the end of the data when the data is cut short.
struct Chunk {
    std::uint16_t id = 0;
    std::uint32_t length = 0;
    std::uint32_t bytesRead = 0;
    std::size_t start = 0;
    std::size_t limit = 0;
};

// Where the chunk says it ends (may lie past the data, and past 4 GiB).
std::uint64_t DeclaredEnd(const Chunk& chunk) { return std::uint64_t{chunk.start} + chunk.length; }

std::uint32_t LoadU32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

class ModelReader {
public:
    ModelReader(Model& model, ModelReadReport& report, const std::uint8_t* data, std::size_t size)
        : model_(model), report_(report), data_(data), size_(size) {}

    void Read();

private:
    bool Fail(const Chunk& chunk, const char* problem) {
        if (!failed_) {
            failed_ = true;
            report_.chunkId = chunk.id;
            report_.chunkOffset = static_cast<std::uint32_t>(chunk.start);
            report_.problem = problem;
        }
        return false;
    }

    std::size_t Left(const Chunk& chunk) const { return chunk.limit - cursor_; }

    std::uint16_t U16At(std::size_t at) const {
        return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
    }
    std::uint32_t U32At(std::size_t at) const { return LoadU32(data_ + at); }
    float FloatAt(std::size_t at) const {
        const std::uint32_t bits = U32At(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Consumes n bytes of chunk (the caller has checked they are there).
    void Advance(Chunk& chunk, std::size_t n) {
        cursor_ += n;
        chunk.bytesRead += static_cast<std::uint32_t>(n);
    }
    bool Need(const Chunk& chunk, std::size_t n, const char* problem) {
        if (n <= Left(chunk)) return true;
        return Fail(chunk, chunk.limit < DeclaredEnd(chunk) ? "data ends inside the chunk" : problem);
    }
    bool SkipRest(Chunk& chunk);
    bool ReadU16(Chunk& chunk, std::uint16_t& value);
    bool ReadHeader(Chunk& parent, Chunk& child);
    bool ReadString(Chunk& chunk, char (&field)[MODEL_NAME_SIZE]);
    void CopyRest(Chunk& chunk, void* field, std::size_t fieldSize);

    template <typename Handler>
    void Walk(Chunk& parent, Handler handle);
    void MainLevel(Chunk& parent);
    void ObjectLevel(Chunk& parent, MeshObject& object);
    void MaterialLevel(Chunk& parent, Material& material);

    void ReadEditor(Chunk& editor);
    void ReadVertices(Chunk& chunk, MeshObject& object);
    void ReadFaces(Chunk& chunk, MeshObject& object);
    void ReadFaceMaterial(Chunk& chunk, MeshObject& object);
    void ReadTexCoords(Chunk& chunk, MeshObject& object);
    void ReadDiffuse(Chunk& chunk, Material& material);

    Model& model_;
    ModelReadReport& report_;
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t cursor_ = 0;
    int depth_ = 0;
    bool failed_ = false;
};

bool ModelReader::SkipRest(Chunk& chunk) {
    const std::size_t rest = chunk.length - chunk.bytesRead;
    if (!Need(chunk, rest, "data ends inside the chunk")) return false;
    Advance(chunk, rest);
    return true;
}

bool ModelReader::ReadU16(Chunk& chunk, std::uint16_t& value) {
    if (!Need(chunk, 2, "count runs past the end of the chunk")) return false;
    value = U16At(cursor_);
    Advance(chunk, 2);
    return true;
}

// Reads the header of the next child of parent and checks that the child lies inside
// parent. A child cut short by the end of the data is read up to there.
bool ModelReader::ReadHeader(Chunk& parent, Chunk& child) {
    if (!Need(parent, HEADER_SIZE, "sub-chunk header runs past the end of the chunk")) return false;
    child.start = cursor_;
    child.id = U16At(cursor_);
    child.length = U32At(cursor_ + 2);
    cursor_ += HEADER_SIZE;
    child.bytesRead = HEADER_SIZE;
    if (child.length < HEADER_SIZE) return Fail(child, "chunk length under 6");
    if (DeclaredEnd(child) > DeclaredEnd(parent)) return Fail(child, "chunk runs past the end of its parent");
    child.limit = static_cast<std::size_t>(std::min<std::uint64_t>(DeclaredEnd(child), parent.limit));
    return true;
}

// Reads a NUL-terminated string, keeping at most MODEL_NAME_SIZE - 1 characters.
bool ModelReader::ReadString(Chunk& chunk, char (&field)[MODEL_NAME_SIZE]) {
    const void* end = std::memchr(data_ + cursor_, 0, Left(chunk));
    if (!end) return Need(chunk, Left(chunk) + 1, "name runs past the end of the chunk");
    const std::size_t length = static_cast<const std::uint8_t*>(end) - (data_ + cursor_);
    const std::size_t kept = std::min<std::size_t>(length, MODEL_NAME_SIZE - 1);
    std::memcpy(field, data_ + cursor_, kept);
    std::memset(field + kept, 0, MODEL_NAME_SIZE - kept);
    Advance(chunk, length + 1);
    return true;
}

// Copies what fits of the rest of chunk into a field of fieldSize bytes (a name field
// is passed one byte short, keeping its NUL); the field's unused bytes become 0.
void ModelReader::CopyRest(Chunk& chunk, void* field, std::size_t fieldSize) {
    std::memset(field, 0, fieldSize);
    const std::size_t rest = chunk.length - chunk.bytesRead;
    if (!Need(chunk, rest, "data ends inside the chunk")) return;
    const std::size_t kept = std::min(rest, fieldSize);
    std::memcpy(field, data_ + cursor_, kept);
    Advance(chunk, rest);
}

template <typename Handler>
void ModelReader::Walk(Chunk& parent, Handler handle) {
    if (depth_ == MAX_DEPTH) {
        Fail(parent, "chunks nested too deeply");
        return;
    }
    ++depth_;
    while (!failed_ && parent.bytesRead < parent.length) {
        Chunk child;
        if (!ReadHeader(parent, child)) break;
        handle(child);
        parent.bytesRead += child.bytesRead;
    }
    --depth_;
}

void ModelReader::MainLevel(Chunk& parent) {
    Walk(parent, [this](Chunk& child) {
        switch (child.id) {
        case CHUNK_VERSION: {
            std::uint8_t bytes[4];
            CopyRest(child, bytes, sizeof bytes);
            report_.fileVersion = LoadU32(bytes);
            break;
        }
        case CHUNK_EDITOR:
            ReadEditor(child);
            break;
        case CHUNK_OBJECT: {
            const std::size_t index = model_.objects.size();
            AppendObject(model_);
            report_.droppedFaces.push_back(0);
            if (ReadString(child, model_.objects[index].name)) ObjectLevel(child, model_.objects[index]);
            break;
        }
        case CHUNK_MATERIAL:
            MaterialLevel(child, AppendMaterial(model_));
            break;
        default:
            SkipRest(child);
        }
    });
}

// The editor block's first sub-chunk (the mesh version) is passed over, whatever it is.
void ModelReader::ReadEditor(Chunk& editor) {
    if (editor.bytesRead < editor.length) {
        Chunk first;
        if (!ReadHeader(editor, first)) return;
        SkipRest(first);
        editor.bytesRead += first.bytesRead;
    }
    MainLevel(editor);
}

void ModelReader::ObjectLevel(Chunk& parent, MeshObject& object) {
    Walk(parent, [this, &object](Chunk& child) {
        switch (child.id) {
        case CHUNK_MESH:
            ObjectLevel(child, object);
            break;
        case CHUNK_VERTICES:
            ReadVertices(child, object);
            break;
        case CHUNK_FACES:
            ReadFaces(child, object);
            break;
        case CHUNK_FACE_MATERIAL:
            ReadFaceMaterial(child, object);
            break;
        case CHUNK_TEX_COORDS:
            ReadTexCoords(child, object);
            break;
        default:
            SkipRest(child);
        }
    });
}

// File (x, y, z) becomes (x, z, -y): the file's z axis is the scene's up.
void ModelReader::ReadVertices(Chunk& chunk, MeshObject& object) {
    std::uint16_t count;
    if (!ReadU16(chunk, count)) return;
    if (!Need(chunk, std::size_t{count} * 12, "vertex count larger than the chunk")) return;
    object.vertices.assign(count, Vec3{});
    for (Vec3& vertex : object.vertices) {
        const float x = FloatAt(cursor_), y = FloatAt(cursor_ + 4), z = FloatAt(cursor_ + 8);
        vertex = Vec3{x, z, -y};
        Advance(chunk, 12);
    }
    object.vertexCount = count;
}

// Leaves the cursor after the last face: the face list's sub-chunks come next.
void ModelReader::ReadFaces(Chunk& chunk, MeshObject& object) {
    std::uint16_t count;
    if (!ReadU16(chunk, count)) return;
    if (!Need(chunk, std::size_t{count} * 8, "face count larger than the chunk")) return;
    object.faces.assign(count, Face{});
    for (Face& face : object.faces) {
        for (int corner = 0; corner < 3; ++corner) face.vertexIndex[corner] = U16At(cursor_ + 2 * corner);
        Advance(chunk, 8);  // three indices and the face flags
    }
    object.faceCount = count;
}

// The first material of that name becomes the object's; each one passed on the way
// sets -1, so no match leaves -1 (and no materials leave materialId alone).
void ModelReader::ReadFaceMaterial(Chunk& chunk, MeshObject& object) {
    char name[MODEL_NAME_SIZE];
    if (!ReadString(chunk, name)) return;
    for (std::int32_t i = 0; i < model_.materialCount; ++i) {
        const Material& material = model_.materials[i];
        if (std::strcmp(material.name, name) == 0) {
            object.materialId = i;
            if (material.textureFile[0] != '\0') object.hasTexture = true;
            break;
        }
        object.materialId = -1;
    }
    SkipRest(chunk);
}

void ModelReader::ReadTexCoords(Chunk& chunk, MeshObject& object) {
    std::uint16_t count;
    if (!ReadU16(chunk, count)) return;
    if (!Need(chunk, std::size_t{count} * 8, "texture coordinate count larger than the chunk")) return;
    object.texCoords.assign(count, Vec2{});
    for (Vec2& coordinate : object.texCoords) {
        coordinate = Vec2{FloatAt(cursor_), FloatAt(cursor_ + 4)};
        Advance(chunk, 8);
    }
    object.texCoordCount = count;
}

void ModelReader::MaterialLevel(Chunk& parent, Material& material) {
    Walk(parent, [this, &material](Chunk& child) {
        switch (child.id) {
        case CHUNK_MATERIAL_NAME:
            CopyRest(child, material.name, MODEL_NAME_SIZE - 1);
            break;
        case CHUNK_DIFFUSE:
            ReadDiffuse(child, material);
            break;
        case CHUNK_TEXTURE_MAP:
            MaterialLevel(child, material);
            break;
        case CHUNK_MAP_FILE:
            CopyRest(child, material.textureFile, MODEL_NAME_SIZE - 1);
            break;
        default:
            SkipRest(child);
        }
    });
}

// The colour is the diffuse chunk's first sub-chunk (24-bit colour), whatever its id.
// Any further sub-chunks are read next as siblings.
void ModelReader::ReadDiffuse(Chunk& chunk, Material& material) {
    if (chunk.bytesRead == chunk.length) return;
    Chunk colour;
    if (!ReadHeader(chunk, colour)) return;
    CopyRest(colour, material.colour, sizeof material.colour);
    chunk.bytesRead += colour.bytesRead;
}

void ModelReader::Read() {
    if (size_ < HEADER_SIZE) {
        report_.status = ModelReadStatus::NotModel;
        report_.problem = "data too short for a chunk header";
        return;
    }
    Chunk main;
    main.id = U16At(0);
    main.length = U32At(2);
    main.bytesRead = HEADER_SIZE;
    cursor_ = HEADER_SIZE;
    if (main.id != CHUNK_MAIN) {
        report_.status = ModelReadStatus::NotModel;
        report_.chunkId = main.id;
        report_.problem = "data does not start with the main chunk 0x4D4D";
        return;
    }
    if (main.length < HEADER_SIZE) {
        Fail(main, "chunk length under 6");
    } else {
        main.limit = static_cast<std::size_t>(std::min<std::uint64_t>(main.length, size_));
        MainLevel(main);
    }
    report_.status = failed_ ? ModelReadStatus::Damaged : ModelReadStatus::Complete;

    for (std::size_t i = 0; i < model_.objects.size(); ++i) {
        MeshObject& object = model_.objects[i];
        const std::int32_t vertexCount = object.vertexCount;
        const auto kept = std::remove_if(object.faces.begin(), object.faces.end(), [vertexCount](const Face& face) {
            return face.vertexIndex[0] >= vertexCount || face.vertexIndex[1] >= vertexCount ||
                   face.vertexIndex[2] >= vertexCount;
        });
        report_.droppedFaces[i] = static_cast<std::int32_t>(object.faces.end() - kept);
        object.faces.erase(kept, object.faces.end());
        object.faceCount = static_cast<std::int32_t>(object.faces.size());
    }
    ComputeNormals(model_);
}

}  // namespace

ModelReadReport ReadModel(Model& model, const std::uint8_t* data, std::size_t size) {
    ModelReadReport report;
    ModelReader(model, report, data, size).Read();
    return report;
}

std::string DescribeReadProblem(const ModelReadReport& report) {
    if (report.status == ModelReadStatus::Complete) return std::string();
    char line[160];
    std::snprintf(line, sizeof line, "chunk 0x%04X at byte %u: %s", static_cast<unsigned>(report.chunkId),
                  static_cast<unsigned>(report.chunkOffset), report.problem);
    return line;
}
