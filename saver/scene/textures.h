// The six built-in textures as OpenGL textures: texture-only materials, one mipmapped
// texture per textured material from bitmap resource TEXTURE_RESOURCE_BASE + slot.
// Every operation here needs the saver's OpenGL context current.
#pragma once

#include "dib_image.h"
#include "model.h"

constexpr int MAX_TEXTURES = 100;

// OpenGL texture names by slot; 0 where no texture was made (yet: see TextureFor).
extern unsigned int TextureTable[MAX_TEXTURES];

// Appends a nameless material whose texture file is `name`.
void AddTextureMaterial(Model& model, const char* name);

// The texture step of CreateTexture: every level of the bound texture, the first being
// `image` at the nearest power-of-two sides no longer than MAX_TEXTURE_SIDE or the
// context's limit, each smaller one the halved level before it; three-byte images as
// blue-green-red, four-byte ones as blue-green-red-alpha. Nothing for an empty image.
void UploadMipmaps(const DibImage& image);

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
