// Texture materials and mipmapped textures from the bitmap resources; see textures.h.
#include "textures.h"

#include <windows.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "dib_image.h"
#include "texture_image.h"
#include "texture_names.h"

#ifndef GL_BGR_EXT
#define GL_BGR_EXT 0x80E0
#endif
#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif

unsigned int TextureTable[MAX_TEXTURES];

void AddTextureMaterial(Model& model, const char* name) {
    SetName(AppendMaterial(model).textureFile, name);
}

void CreateTexture(int slot) {
    if (slot < 0 || slot >= MAX_TEXTURES) return;
    DibImage image;
    if (!image.LoadFromResource(TEXTURE_RESOURCE_BASE + slot)) ExitProcess(0);
    // Scaled here rather than by GLU, whose scaling drops the top row on some systems.
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    const TextureImage texture = ScaleToPowerOfTwo(image.Pixels(), image.Width(), image.Height(),
                                                   image.Stride(), image.BytesPerPixel(),
                                                   maxSide > 0 ? maxSide : 256);
    image.Clear();
    glGenTextures(1, &TextureTable[slot]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, TextureTable[slot]);
    const GLenum format = texture.bytesPerPixel == 4 ? GL_BGRA_EXT : GL_BGR_EXT;
    gluBuild2DMipmaps(GL_TEXTURE_2D, texture.bytesPerPixel, texture.width, texture.height, format,
                      GL_UNSIGNED_BYTE, texture.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void SetUpTextures(Model& model) {
    for (int entry = TEXTURE_NAME_COUNT - APPENDED_TEXTURE_MATERIALS; entry < TEXTURE_NAME_COUNT; ++entry)
        AddTextureMaterial(model, TextureNameTable[entry]);
    for (int i = 0; i < model.materialCount; ++i) {
        Material& material = model.materials[i];
        if (material.textureFile[0] != '\0') CreateTexture(i);
        material.textureSlot = i;
    }
}

void ReleaseTextures(const Model& model) {
    glDeleteTextures(std::min(model.materialCount, MAX_TEXTURES), TextureTable);
    std::fill(TextureTable, TextureTable + MAX_TEXTURES, 0u);
}
