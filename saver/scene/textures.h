// The six built-in textures as OpenGL textures: texture-only materials, one mipmapped
// texture per textured material from bitmap resource TEXTURE_RESOURCE_BASE + slot.
// Every operation here needs the saver's OpenGL context current.
#pragma once

#include "dib_image.h"
#include "model.h"
#include "texture_image.h"

constexpr int MAX_TEXTURES = 100;

// OpenGL texture names by slot; 0 where no texture was made (yet: see TextureFor).
extern unsigned int TextureTable[MAX_TEXTURES];

// Appends a nameless material whose texture file is `name`.
void AddTextureMaterial(Model& model, const char* name);

// Level 0 of a texture: power-of-two sides, packed rows, bottom row first. `pixels` points
// into the bitmap itself when it already has that shape, else into `scaled`.
struct TextureSource {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    TextureImage scaled;
    TextureSource() = default;
    TextureSource(const TextureSource&) = delete;  // `pixels` may point into `scaled`
    TextureSource& operator=(const TextureSource&) = delete;
    TextureSource(TextureSource&&) = default;
};

// The scale step of CreateTexture: `image` at the nearest power-of-two sides no longer
// than MAX_TEXTURE_SIDE or the context's limit. The result may point into `image`, which
// must outlive it.
TextureSource ScaleForTexture(const DibImage& image);

// The mipmap step of CreateTexture: every level of the bound texture, from `source` down
// to 1 x 1, each the halved level before it; three-byte sources as blue-green-red, four-
// byte ones as blue-green-red-alpha.
void UploadMipmaps(const TextureSource& source);

// Makes TextureTable[slot] from bitmap resource TEXTURE_RESOURCE_BASE + slot. A bitmap
// that is missing or not 24 or 32 bits per pixel, or that memory cannot hold while it is
// scaled, is traced and leaves the slot 0: what uses it is drawn untextured.
void CreateTexture(int slot);

// Appends the materials of table entries 2 to 5 and sets every material's textureSlot to
// its index. No texture is made yet: TextureFor makes each when it is first drawn, so
// start-up pays only for the ones the settings show.
void SetUpTextures(Model& model);

// The texture of `slot`, made on its first use when the slot's material names a texture
// file; 0 for a slot without one or whose bitmap could not be made (tried only once).
unsigned int TextureFor(int slot);

// Deletes the textures made since SetUpTextures and sets every slot back to 0.
void ReleaseTextures(const Model& model);
