// Test-only reference for the scene's drawing: an object sent through immediate mode,
// vertex by vertex, as the saver first drew every frame.
#pragma once

#include "model.h"

// Draws object `objectIndex` of `model` as DrawObject does, but with glBegin/glEnd and
// one call per normal, texture coordinate, colour and vertex.
void DrawObjectImmediately(const Model& model, int objectIndex, int slot);
