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

MipmapChain MakeTextureLevels(int slot, int maxSide, const char** why) {
    DibImage image;
    if (!image.LoadFromResource(TEXTURE_RESOURCE_BASE + slot)) {
        *why = "is missing or not 24 or 32 bits per pixel";
        return {};
    }
    try {
        // Scaled here rather than by GLU, whose scaling drops the top row on some systems.
        return MakeMipmapChain(image.Pixels(), image.Width(), image.Height(), image.Stride(), image.BytesPerPixel(),
                               maxSide);
    } catch (const std::bad_alloc&) {
        *why = "does not fit in memory";
        return {};
    }
}

void UploadTextureLevels(const MipmapChain& levels) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (std::size_t n = 0; n < levels.size(); ++n) {
        const TextureImage& level = levels[n];
        const GLenum format = level.bytesPerPixel == 4 ? GL_BGRA_EXT : GL_BGR_EXT;
        glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(n), level.bytesPerPixel, level.width, level.height, 0, format,
                     GL_UNSIGNED_BYTE, level.pixels.data());
    }
}

int TextureSideLimit() {
    GLint glLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &glLimit);
    return glLimit > 0 && glLimit < MAX_TEXTURE_SIDE ? glLimit : MAX_TEXTURE_SIDE;
}

namespace {
// Traces why texture `slot` stays untextured; the saver runs on without it.
void TraceUntextured(int slot, const char* why) {
    const std::string text = "texture slot " + std::to_string(slot) + " (bitmap " +
                             std::to_string(TEXTURE_RESOURCE_BASE + slot) + ") " + why + "; drawn untextured\n";
    OutputDebugStringA(text.c_str());
}

// The levels PrepareTextures makes ready: written by its thread only, read only after
// that thread has ended.
struct Ahead {
    HANDLE thread = nullptr;
    int count = 0;
    int slots[2] = {};
    MipmapChain levels[2];
    const char* why[2] = {};
};
Ahead g_ahead;

DWORD WINAPI PrepareAhead(LPVOID) {
    for (int i = 0; i < g_ahead.count; ++i)
        g_ahead.levels[i] = MakeTextureLevels(g_ahead.slots[i], MAX_TEXTURE_SIDE, &g_ahead.why[i]);
    return 0;
}

// Waits for the thread of PrepareTextures, if one runs, so its results may be read.
void JoinAhead() {
    if (!g_ahead.thread) return;
    WaitForSingleObject(g_ahead.thread, INFINITE);
    CloseHandle(g_ahead.thread);
    g_ahead.thread = nullptr;
}

// What PrepareTextures made of `slot`, taken out of it; false when it did not prepare
// the slot or made it larger than the context takes.
bool TakeAhead(int slot, int maxSide, MipmapChain& levels, const char*& why) {
    JoinAhead();
    for (int i = 0; i < g_ahead.count; ++i) {
        if (g_ahead.slots[i] != slot) continue;
        g_ahead.slots[i] = -1;
        if (!g_ahead.levels[i].empty() &&
            (g_ahead.levels[i][0].width > maxSide || g_ahead.levels[i][0].height > maxSide))
            return false;
        levels = std::move(g_ahead.levels[i]);
        why = g_ahead.why[i];
        return true;
    }
    return false;
}

void DropAhead() {
    JoinAhead();
    g_ahead = Ahead{};
}
}  // namespace

void PrepareTextures(const int* slots, int count) {
    DropAhead();
    for (int i = 0; i < count && g_ahead.count < 2; ++i) {
        if (slots[i] < 0 || slots[i] >= MAX_TEXTURES) continue;
        if (g_ahead.count == 1 && g_ahead.slots[0] == slots[i]) continue;
        g_ahead.slots[g_ahead.count++] = slots[i];
    }
    if (g_ahead.count) g_ahead.thread = CreateThread(nullptr, 0, PrepareAhead, nullptr, 0, nullptr);
    if (!g_ahead.thread) g_ahead = Ahead{};
}

void CreateTexture(int slot) {
    if (slot < 0 || slot >= MAX_TEXTURES) return;
    TextureTable[slot] = 0;
    const int maxSide = TextureSideLimit();
    MipmapChain levels;
    const char* why = nullptr;
    if (!TakeAhead(slot, maxSide, levels, why)) levels = MakeTextureLevels(slot, maxSide, &why);
    if (levels.empty()) {
        TraceUntextured(slot, why ? why : "could not be made");
        return;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    UploadTextureLevels(levels);
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

void DropPreparedTextures() { DropAhead(); }

void ReleaseTextures(const Model& model) {
    DropAhead();
    glDeleteTextures(std::min(model.materialCount, MAX_TEXTURES), TextureTable);
    std::fill(TextureTable, TextureTable + MAX_TEXTURES, 0u);
    std::fill(g_pending, g_pending + MAX_TEXTURES, false);
}
