// The model's objects as display lists, each compiled from vertex arrays; see
// object_lists.h.
#include "object_lists.h"

#include <windows.h>

#include <GL/gl.h>

#include <vector>

#include "corner_arrays.h"

namespace {
std::vector<GLuint> lists;  // by object index

void CompileObject(const Model& model, const MeshObject& object, GLuint list) {
    const CornerArrays corners = UnrollCorners(object, object.hasTexture);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners.positions.data());
    glNormalPointer(GL_FLOAT, 0, corners.normals.data());
    if (object.hasTexture) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, corners.texCoords.data());
    }
    glNewList(list, GL_COMPILE);
    if (!object.hasTexture && corners.CornerCount() > 0 && object.materialId >= 0 && object.materialId < model.materialCount) {
        const Material& material = model.materials[static_cast<std::size_t>(object.materialId)];
        glColor3ub(material.colour[0], material.colour[1], material.colour[2]);
    }
    if (corners.CornerCount() > 0) glDrawArrays(GL_TRIANGLES, 0, corners.CornerCount());
    glEndList();
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
}  // namespace

void CompileObjectLists(const Model& model) {
    DeleteObjectLists();
    if (model.objects.empty()) return;
    const GLuint first = glGenLists(static_cast<GLsizei>(model.objects.size()));
    if (first == 0) return;
    for (std::size_t i = 0; i < model.objects.size(); ++i) {
        lists.push_back(first + static_cast<GLuint>(i));
        CompileObject(model, model.objects[i], lists.back());
    }
}

void CallObjectList(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < lists.size()) glCallList(lists[static_cast<std::size_t>(index)]);
}

void DeleteObjectLists() {
    if (!lists.empty()) glDeleteLists(lists.front(), static_cast<GLsizei>(lists.size()));
    lists.clear();
}
