// The model's objects compiled once into OpenGL display lists, so a frame draws each with
// one call. Needs the saver's OpenGL context current.
#pragma once

#include "model.h"

// Compiles one display list per object of `model`: its triangles with their normals, its
// texture coordinates when textured, else its material's colour. Texture binding and the
// texture switch are left to the caller, as they change between frames.
void CompileObjectLists(const Model& model);

// Calls the list of object `index`; nothing when there is none.
void CallObjectList(int index);

// Deletes every list.
void DeleteObjectLists();
