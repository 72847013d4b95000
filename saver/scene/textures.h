// The six built-in textures as OpenGL textures: texture-only materials, one mipmapped
// texture per textured material from bitmap resource TEXTURE_RESOURCE_BASE + slot.
// Every operation here needs the saver's OpenGL context current.
#pragma once

#include "model.h"

constexpr int MAX_TEXTURES = 100;

// OpenGL texture names by slot; 0 where no texture was made.
extern unsigned int TextureTable[MAX_TEXTURES];

// Appends a nameless material whose texture file is `name`.
void AddTextureMaterial(Model& model, const char* name);

// Makes TextureTable[slot] from bitmap resource TEXTURE_RESOURCE_BASE + slot. A bitmap
// that is missing or not 24 or 32 bits per pixel ends the process with exit code 0.
void CreateTexture(int slot);

// Appends the materials of table entries 2 to 5, then makes a texture for every material
// that names a texture file and sets every material's textureSlot to its index.
void SetUpTextures(Model& model);

// Deletes the textures made by SetUpTextures.
void ReleaseTextures(const Model& model);
