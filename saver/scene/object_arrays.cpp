// The model's objects as vertex arrays; see object_arrays.h.
#include "object_arrays.h"

#include <windows.h>

#include <GL/gl.h>

#include <vector>

#include "corner_arrays.h"

namespace {
std::vector<CornerArrays> arrays;  // by object index
}  // namespace

void PrepareObjectArrays(const Model& model) {
    arrays.clear();
    arrays.reserve(model.objects.size());
    for (const MeshObject& object : model.objects) arrays.push_back(UnrollCorners(object, object.hasTexture));
}

void DrawObjectArrays(const Model& model, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= arrays.size()) return;
    const MeshObject& object = model.objects[static_cast<std::size_t>(index)];
    const CornerArrays& corners = arrays[static_cast<std::size_t>(index)];
    if (corners.CornerCount() == 0) return;
    if (!object.hasTexture && object.materialId >= 0 && object.materialId < model.materialCount) {
        const Material& material = model.materials[static_cast<std::size_t>(object.materialId)];
        glColor3ub(material.colour[0], material.colour[1], material.colour[2]);
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners.positions.data());
    glNormalPointer(GL_FLOAT, 0, corners.normals.data());
    if (object.hasTexture) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, corners.texCoords.data());
    }
    glDrawArrays(GL_TRIANGLES, 0, corners.CornerCount());
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void ReleaseObjectArrays() { arrays = std::vector<CornerArrays>(); }
