// The saver window's OpenGL context, which the scene asks for and gives back.
#pragma once

#include "render_quality.h"

// Gets the saver window's device context, sets its pixel format, creates the rendering
// context, makes it current, enables texturing and depth testing and calls
// SetProjection(width, height). On graphics hardware the pixel format has
// g_multisampleSamples samples per pixel (fewer on a very large window, see
// MultisampleSamples) where the driver offers that (WGL_ARB_pixel_format and
// WGL_ARB_multisample); on a software renderer, or without the extensions, it is the
// plain double-buffered RGBA format with 16 colour and depth bits. A window whose format
// is already set keeps it. When no format or no current context can be had it traces
// why and posts the quit message; the loop then ends at once.
void CreateGlContext(int width, int height);

// Samples per pixel asked for by CreateGlContext on hardware (4); below 2 asks for none.
extern int g_multisampleSamples;

// Asks for samples on a software renderer too (tests and benchmarks of that path).
extern bool g_samplesInSoftware;

// What the current saver window's renderer was found to be.
RendererKind GlRendererKind();

// Samples per pixel of the current saver window's format; 0 for the plain format.
int GlContextSamples();

// Presents the frame drawn (SwapBuffers) and checks the context: false when it is no
// longer current (lost), presenting failed, or OpenGL reported GL_OUT_OF_MEMORY.
bool PresentGlFrame();

// Releases the rendering and device contexts, shows the pointer again and unregisters
// the window class. Called by ShutdownScene as its last step.
void DestroyGlContext();
