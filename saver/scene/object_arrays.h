// The model's objects unrolled once into vertex arrays, so a frame draws each with one
// call and start-up compiles nothing. Drawing needs the saver's OpenGL context current.
#pragma once

#include "model.h"

// Unrolls every object of `model`: its triangles with their normals, and its texture
// coordinates when textured.
void PrepareObjectArrays(const Model& model);

// Draws object `index` of the model given to PrepareObjectArrays: in its material's
// colour when untextured; texture binding and the texture switch are left to the caller,
// as they change between frames. Nothing when there is no such object.
void DrawObjectArrays(const Model& model, int index);

// Frees the arrays.
void ReleaseObjectArrays();
