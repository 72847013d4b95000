// The logo scene as the saver host sees it: start, one frame, stop, and what pointer
// and keys do to it. All of it runs on the saver's one thread.
#pragma once

#include <windows.h>

#include <vector>

#include "monitor_layout.h"

// The monitors a full-screen window covers and the window's own rectangle, in screen
// coordinates; each monitor then shows the whole scene in its own viewport with its own
// aspect, and steering is measured from the centre of the monitor under the pointer.
// Call before InitScene. Without it (the preview, or a system without the multi-monitor
// functions) the window's client area is one monitor at 0,0.
void SetSceneMonitors(const std::vector<ScreenRect>& monitors, const ScreenRect& window);

// Stores the saver window, creates its OpenGL context (CreateGlContext), loads the
// model and textures, unrolls the objects into vertex arrays and turns the light on.
// Drawing may start on return.
void InitScene(HWND window);

// Sets the viewport and projection for a client area of width x height pixels and
// leaves the model-view matrix selected and reset. Called by CreateGlContext.
void SetProjection(int width, int height);

// Advances the spin by the time since the previous frame (rates per 1/60 s, at most a
// quarter of a second's worth), then draws every monitor's view and presents the frame
// (PresentGlFrame). Never waits: pacing is the caller's. False when the context has
// failed (lost, out of memory, or presenting failed): the caller makes it again.
bool RenderFrame();

// Draws model object `objectIndex` (its vertex arrays from InitScene) in the current
// matrix, textured with texture slot `slot` when its material has a texture. Nothing for
// a missing object.
void DrawObject(int objectIndex, int slot);

// Frees the vertex arrays, textures and the whole model (meshes and materials), then
// hands the context back (DestroyGlContext): a later InitScene starts as the first did.
void ShutdownScene();

// Interaction: pointer steering (screen pixels, from the centre of the monitor under the
// pointer), lighting toggle, texture cycling.
void SteerFromPointer(int x, int y);
void ToggleLighting();
void CycleBackTexture();
void CycleIconTexture();

// The texture slots in use; set from the settings before InitScene and read back after
// the loop so keypad choices persist. InitScene replaces a slot outside the loaded
// textures by its default (0 backdrop, 1 logo).
extern int backTextureSlot;
extern int iconTextureSlot;
