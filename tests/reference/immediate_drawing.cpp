// The immediate-mode drawing reference; see immediate_drawing.h.
#include "immediate_drawing.h"

#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>

#include "textures.h"

void DrawObjectImmediately(const Model& model, int objectIndex, int slot) {
    if (objectIndex < 0 || objectIndex >= model.objectCount) return;
    const MeshObject& object = model.objects[objectIndex];
    const bool textured = object.hasTexture;
    if (textured) {
        glEnable(GL_TEXTURE_2D);
        glColor3ub(255, 255, 255);
        glBindTexture(GL_TEXTURE_2D, TextureFor(slot));
    } else {
        glDisable(GL_TEXTURE_2D);
        glColor3ub(255, 255, 255);
    }
    const Material* colour = nullptr;
    if (!textured && object.materialId >= 0 && object.materialId < model.materialCount)
        colour = &model.materials[object.materialId];
    const std::size_t texCoords = object.texCoords.size();
    const std::size_t corners = std::min(object.vertices.size(), object.normals.size());
    glBegin(GL_TRIANGLES);
    for (const Face& face : object.faces) {
        for (const std::int32_t v : face.vertexIndex) {
            const std::size_t i = static_cast<std::size_t>(v);
            if (i >= corners) continue;
            const Vec3& normal = object.normals[i];
            glNormal3f(normal.x, normal.y, normal.z);
            if (textured && i < texCoords) glTexCoord2f(object.texCoords[i].u, object.texCoords[i].v);
            if (colour) glColor3ub(colour->colour[0], colour->colour[1], colour->colour[2]);
            const Vec3& vertex = object.vertices[i];
            glVertex3f(vertex.x, vertex.y, vertex.z);
        }
    }
    glEnd();
}
