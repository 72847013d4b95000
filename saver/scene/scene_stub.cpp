// Stand-in scene until the logo renderer lands: clears every frame to black.
#include "scene.h"

#include "gl_context.h"

#include <GL/gl.h>

int backTextureSlot = 0;
int iconTextureSlot = 1;

namespace {
HWND sceneWindow;
}

void InitScene(HWND window) {
    sceneWindow = window;
    RECT client{};
    GetClientRect(window, &client);
    CreateGlContext(client.right, client.bottom);
}

void SetProjection(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void RenderFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    HDC dc = wglGetCurrentDC();
    if (dc) SwapBuffers(dc);
}

void ShutdownScene() { DestroyGlContext(); }

void SteerFromPointer(int, int) {}
void ToggleLighting() {}
void CycleBackTexture() {}
void CycleIconTexture() {}
