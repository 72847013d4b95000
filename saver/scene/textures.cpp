// Texture materials and mipmapped textures from the bitmap resources: each bitmap is
// scaled at most once, as it is sent, then halved level by level; see textures.h.
#include "textures.h"

#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "texture_image.h"
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

// Rows of the first level made and sent at a time: few enough to stay in the cache, and
// never a whole level held beside the texture's own copy.
constexpr int kBandRows = 16;

int Halved(int side) { return side > 1 ? side / 2 : 1; }
}  // namespace

void AddTextureMaterial(Model& model, const char* name) {
    SetName(AppendMaterial(model).textureFile, name);
}

void UploadMipmaps(const DibImage& image) {
    GLint glLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &glLimit);
    const int maxSide = glLimit > 0 && glLimit < MAX_TEXTURE_SIDE ? glLimit : MAX_TEXTURE_SIDE;
    const int bpp = image.BytesPerPixel();
    // Scaled here rather than by GLU, whose scaling drops the top row on some systems.
    ScaledRows rows(image.Pixels(), image.Width(), image.Height(), image.Stride(), bpp, maxSide);
    if (!rows.Valid()) return;
    int width = rows.Width(), height = rows.Height();
    const GLenum format = bpp == 4 ? GL_BGRA_EXT : GL_BGR_EXT;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * bpp;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Packed power-of-two rows go over as they stand; others are made a band at a time.
    const bool asItStands = rows.Unscaled() && static_cast<std::size_t>(image.Stride()) == rowBytes;
    glTexImage2D(GL_TEXTURE_2D, 0, bpp, width, height, 0, format, GL_UNSIGNED_BYTE,
                 asItStands ? image.Pixels() : nullptr);
    if (width == 1 && height == 1) return;
    // Level 1 is halved band by band from level 0; every smaller level is built in place.
    std::vector<std::uint8_t> level(static_cast<std::size_t>(Halved(width)) * Halved(height) * bpp);
    std::vector<std::uint8_t> band(asItStands ? 0 : rowBytes * (height > 1 ? kBandRows : 1));
    for (int y = 0; y < height; y += kBandRows) {
        const int count = std::min(kBandRows, height - y);
        const std::uint8_t* from = image.Pixels() + static_cast<std::size_t>(y) * rowBytes;
        if (!asItStands) {
            for (int i = 0; i < count; ++i) rows.Next(&band[static_cast<std::size_t>(i) * rowBytes]);
            glTexSubImage2D(GL_TEXTURE_2D, 0, 0, y, width, count, format, GL_UNSIGNED_BYTE, band.data());
            from = band.data();
        }
        HalveImage(from, width, count, bpp, &level[static_cast<std::size_t>(y / 2) * Halved(width) * bpp]);
    }
    for (int n = 1;; ++n) {
        width = Halved(width);
        height = Halved(height);
        glTexImage2D(GL_TEXTURE_2D, n, bpp, width, height, 0, format, GL_UNSIGNED_BYTE, level.data());
        if (width == 1 && height == 1) break;
        HalveImage(level.data(), width, height, bpp, level.data());
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
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        UploadMipmaps(image);
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
