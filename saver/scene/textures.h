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

// The levels of texture `slot` from bitmap resource TEXTURE_RESOURCE_BASE + slot, at
// the nearest power-of-two sides no longer than `maxSide`. Empty, with `why` set, when
// the bitmap is missing or not 24 or 32 bits per pixel, or memory cannot hold the levels.
// Needs no OpenGL context: it may run on any thread.
MipmapChain MakeTextureLevels(int slot, int maxSide, const char** why);

// Every level of `levels` into the bound texture; three-byte levels as blue-green-red,
// four-byte ones as blue-green-red-alpha.
void UploadTextureLevels(const MipmapChain& levels);

// The longest side the current context takes, at most MAX_TEXTURE_SIDE.
int TextureSideLimit();

// Makes TextureTable[slot] from bitmap resource TEXTURE_RESOURCE_BASE + slot, or from
// the levels PrepareTextures made ready for it. A bitmap that is missing or not 24 or
// 32 bits per pixel, or that memory cannot hold while it is scaled, is traced and leaves
// the slot 0: what uses it is drawn untextured.
void CreateTexture(int slot);

// Starts making the levels of `slots` ready on a thread of its own, so that the work
// overlaps the making of the window and the context; CreateTexture uploads what it
// finds ready and makes the rest itself. Nothing is started when a thread cannot be had.
void PrepareTextures(const int* slots, int count);

// Appends the materials of table entries 2 to 5 and sets every material's textureSlot to
// its index. No texture is made yet: TextureFor makes each when it is first drawn, so
// start-up pays only for the ones the settings show.
void SetUpTextures(Model& model);

// The texture of `slot`, made on its first use when the slot's material names a texture
// file; 0 for a slot without one or whose bitmap could not be made (tried only once).
unsigned int TextureFor(int slot);

// Drops what PrepareTextures made ready, waiting for its thread to end.
void DropPreparedTextures();

// Deletes the textures made since SetUpTextures, drops what PrepareTextures made ready
// and sets every slot back to 0.
void ReleaseTextures(const Model& model);
