// The saver window's OpenGL context, which the scene asks for and gives back.
#pragma once

// Gets the saver window's device context, sets its pixel format, creates the rendering
// context, makes it current, enables texturing and depth testing and calls
// SetProjection(width, height). The pixel format has g_multisampleSamples samples per
// pixel where the driver offers that (WGL_ARB_pixel_format and WGL_ARB_multisample),
// otherwise it is the plain double-buffered RGBA format with 16 colour and depth bits.
// On a pixel-format failure it traces why and posts the quit message; the loop then
// ends at once.
void CreateGlContext(int width, int height);

// Samples per pixel asked for by CreateGlContext (4); below 2 asks for none.
extern int g_multisampleSamples;

// Samples per pixel of the current saver window's format; 0 for the plain format.
int GlContextSamples();

// Releases the rendering and device contexts, restores the display mode and pointer and
// unregisters the window class. Called by ShutdownScene as its last step.
void DestroyGlContext();
