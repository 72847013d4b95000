// The saver window's OpenGL context, which the scene asks for and gives back.
#pragma once

// Gets the saver window's device context, sets its pixel format, creates the rendering
// context, makes it current, enables texturing and depth testing and calls
// SetProjection(width, height). On a pixel-format failure it shows why and posts the
// quit message; the loop then ends at once.
void CreateGlContext(int width, int height);

// Releases the rendering and device contexts, restores the display mode and pointer and
// unregisters the window class. Called by ShutdownScene as its last step.
void DestroyGlContext();
