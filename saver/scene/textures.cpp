// Texture materials and mipmapped textures from the bitmap resources: each bitmap is
// scaled at most once, then halved level by level; see textures.h.
#include "textures.h"

#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "texture_names.h"

#ifndef GL_BGR_EXT
#define GL_BGR_EXT 0x80E0
#endif
#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif

unsigned int TextureTable[MAX_TEXTURES];

namespace {
// Slots whose material names a texture file and which have not been made or tried yet.
bool g_pending[MAX_TEXTURES];
}  // namespace

void AddTextureMaterial(Model& model, const char* name) {
    SetName(AppendMaterial(model).textureFile, name);
}

TextureSource ScaleForTexture(const DibImage& image) {
    TextureSource source;
    GLint glLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &glLimit);
    const int maxSide = glLimit > 0 && glLimit < MAX_TEXTURE_SIDE ? glLimit : MAX_TEXTURE_SIDE;
    const int width = image.Width(), height = image.Height(), bpp = image.BytesPerPixel();
    source.width = NearestPowerOfTwo(width, maxSide);
    source.height = NearestPowerOfTwo(height, maxSide);
    source.bytesPerPixel = bpp;
    if (source.width == width && source.height == height && image.Stride() == width * bpp) {
        source.pixels = image.Pixels();  // already packed power-of-two rows: no copy
        return source;
    }
    // Scaled here rather than by GLU, whose scaling drops the top row on some systems.
    source.scaled = ScaleToPowerOfTwo(image.Pixels(), width, height, image.Stride(), bpp, maxSide);
    source.pixels = source.scaled.pixels.data();
    return source;
}

void UploadMipmaps(const TextureSource& source) {
    if (!source.pixels) return;
    const GLenum format = source.bytesPerPixel == 4 ? GL_BGRA_EXT : GL_BGR_EXT;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    int width = source.width, height = source.height;
    glTexImage2D(GL_TEXTURE_2D, 0, source.bytesPerPixel, width, height, 0, format, GL_UNSIGNED_BYTE,
                 source.pixels);
    // Level 1 goes into a buffer of its own size; every smaller level is built in place.
    std::vector<std::uint8_t> level(static_cast<std::size_t>(width > 1 ? width / 2 : 1) *
                                    (height > 1 ? height / 2 : 1) * source.bytesPerPixel);
    const std::uint8_t* from = source.pixels;
    for (int n = 1; width > 1 || height > 1; ++n) {
        HalveImage(from, width, height, source.bytesPerPixel, level.data());
        from = level.data();
        width = width > 1 ? width / 2 : 1;
        height = height > 1 ? height / 2 : 1;
        glTexImage2D(GL_TEXTURE_2D, n, source.bytesPerPixel, width, height, 0, format, GL_UNSIGNED_BYTE,
                     level.data());
    }
}

namespace {
// Traces why texture `slot` stays untextured; the saver runs on without it.
void TraceUntextured(int slot, const char* why) {
    const std::string text = "texture slot " + std::to_string(slot) + " (bitmap " +
                             std::to_string(TEXTURE_RESOURCE_BASE + slot) + ") " + why + "; drawn untextured\n";
    OutputDebugStringA(text.c_str());
}
}  // namespace

void CreateTexture(int slot) {
    if (slot < 0 || slot >= MAX_TEXTURES) return;
    TextureTable[slot] = 0;
    DibImage image;
    if (!image.LoadFromResource(TEXTURE_RESOURCE_BASE + slot)) {
        TraceUntextured(slot, "is missing or not 24 or 32 bits per pixel");
        return;
    }
    GLuint name = 0;
    try {
        const TextureSource source = ScaleForTexture(image);
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        UploadMipmaps(source);
    } catch (const std::bad_alloc&) {
        if (name) glDeleteTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, 0);
        TraceUntextured(slot, "does not fit in memory");
        return;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    TextureTable[slot] = name;
}

void SetUpTextures(Model& model) {
    for (int entry = TEXTURE_NAME_COUNT - APPENDED_TEXTURE_MATERIALS; entry < TEXTURE_NAME_COUNT; ++entry)
        AddTextureMaterial(model, TextureNameTable[entry]);
    for (int i = 0; i < model.materialCount; ++i) {
        Material& material = model.materials[i];
        if (i < MAX_TEXTURES) g_pending[i] = material.textureFile[0] != '\0';
        material.textureSlot = i;
    }
}

unsigned int TextureFor(int slot) {
    if (slot < 0 || slot >= MAX_TEXTURES) return 0;
    if (g_pending[slot]) {
        g_pending[slot] = false;
        CreateTexture(slot);
    }
    return TextureTable[slot];
}

void ReleaseTextures(const Model& model) {
    glDeleteTextures(std::min(model.materialCount, MAX_TEXTURES), TextureTable);
    std::fill(TextureTable, TextureTable + MAX_TEXTURES, 0u);
    std::fill(g_pending, g_pending + MAX_TEXTURES, false);
}
