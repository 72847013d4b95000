// Drawing benchmark of the logo scene under Wine, against the least an OpenGL program can
// do, all in one run and on the saver's pixel format: start to first frame next to a
// minimal program that clears and swaps; InitScene step by step; frames per second next
// to a program that draws one textured quad. Prints figures; never fails on a time.
//   gl_bench [seconds per frame-rate measurement] [launches of each program]
//   gl_bench --minimal      the minimal program itself
#include <windows.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench_util.h"
#include "gl_context.h"
#include "init_breakdown.h"
#include "launch_bench.h"
#include "saver_globals.h"
#include "scene.h"

namespace {
// Frames per second of `frame` drawn back to back for `seconds`.
template <typename Frame>
double FramesPerSecond(double seconds, Frame frame) {
    int frames = 0;
    const double begin = Now();
    while (Now() - begin < seconds) {
        Pump();
        frame();
        ++frames;
    }
    glFinish();
    return frames / (Now() - begin);
}

// The scene's own InitScene and RenderFrame on a full-screen window of this process.
double MeasureScene(double seconds) {
    SaverSettings settings;
    g_settings = &settings;
    g_instance = GetModuleHandleA(nullptr);
    g_runMode = RunMode::FullScreen;
    HWND window = CreateFullScreenWindow("SaverWindow");
    settings.window = window;
    Pump();
    const double start = Now();
    InitScene(window);
    glFinish();
    const double ready = Now();
    RenderFrame();
    glFinish();
    std::printf("scene: InitScene as one call %.0f ms, first frame %.1f ms (%d samples per pixel)\n",
                (ready - start) * 1000, (Now() - ready) * 1000, GlContextSamples());
    const double fps = FramesPerSecond(seconds, RenderFrame);
    std::printf("scene: %.1f frames per second\n", fps);
    ShutdownScene();
    DestroyWindow(window);
    g_settings = nullptr;
    Pump();
    return fps;
}

// Clear, one full-screen quad with a mipmapped 512 x 512 texture, swap.
double MeasureQuad(double seconds) {
    HWND window = CreateFullScreenWindow("Quad");
    UseSaverContext(window);
    HDC dc = wglGetCurrentDC();
    std::vector<unsigned char> pixels(512 * 512 * 3);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>((i * 7) ^ (i >> 9));
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 512, 512, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const double fps = FramesPerSecond(seconds, [dc] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0); glVertex2f(-1, -1);
        glTexCoord2f(1, 0); glVertex2f(1, -1);
        glTexCoord2f(1, 1); glVertex2f(1, 1);
        glTexCoord2f(0, 1); glVertex2f(-1, 1);
        glEnd();
        SwapBuffers(dc);
    });
    std::printf("quad:  %.1f frames per second\n", fps);
    glDeleteTextures(1, &texture);
    ReleaseSaverContext();
    DestroyWindow(window);
    Pump();
    return fps;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--minimal") == 0) return RunMinimalProgram();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    const int launches = argc > 2 ? std::atoi(argv[2]) : 8;
    std::printf("screen %d x %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::fflush(stdout);
    MeasureLaunches(launches);
    std::fflush(stdout);
    PrintInitSceneBreakdown();
    std::fflush(stdout);
    const double scene = MeasureScene(seconds);
    std::fflush(stdout);
    const double quad = MeasureQuad(seconds);
    std::printf("fps: scene %.1f, quad %.1f, ratio %.2f\n", scene, quad, quad > 0 ? scene / quad : 0.0);
    std::fflush(stdout);
    return 0;
}
