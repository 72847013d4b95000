// Drawing benchmark of the logo scene under Wine, against the least an OpenGL program can
// do, all in one run and on the saver's pixel format: start to first frame next to a
// minimal program that clears and swaps; InitScene step by step; frames per second next
// to a program that draws one textured quad, in alternating slices. Prints figures;
// never fails on a time.
//   gl_bench [seconds per frame-rate measurement] [launches of each program]
//   gl_bench --minimal      the minimal program itself, on the saver's pixel format
//   gl_bench --minimal-plain   the same on the plain pixel format
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
// The one-quad program: its own window and context on the same pixel format as `like`,
// a mipmapped 512 x 512 texture, and a frame of clear, one full-screen quad, swap.
struct QuadProgram {
    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;

    explicit QuadProgram(HDC like) {
        window = CreateFullScreenWindow("Quad");
        dc = GetDC(window);
        PIXELFORMATDESCRIPTOR descriptor{};
        const int format = GetPixelFormat(like);
        DescribePixelFormat(like, format, sizeof descriptor, &descriptor);
        SetPixelFormat(dc, format, &descriptor);
        context = wglCreateContext(dc);
        wglMakeCurrent(dc, context);
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
        glViewport(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    ~QuadProgram() {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
        ReleaseDC(window, dc);
        DestroyWindow(window);
    }
    void Frame() const {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0); glVertex2f(-1, -1);
        glTexCoord2f(1, 0); glVertex2f(1, -1);
        glTexCoord2f(1, 1); glVertex2f(1, 1);
        glTexCoord2f(0, 1); glVertex2f(-1, 1);
        glEnd();
        SwapBuffers(dc);
    }
};

// Frames drawn by `frame` back to back for `seconds`, added to `frames` and `elapsed`,
// with `window` raised above the other first.
template <typename Frame>
void DrawFor(double seconds, HWND window, Frame frame, int& frames, double& elapsed) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Pump();
    const double begin = Now();
    while (Now() - begin < seconds) {
        Pump();
        frame();
        ++frames;
    }
    glFinish();
    elapsed += Now() - begin;
}

// The scene's own InitScene and RenderFrame on a full-screen window of this process, and
// the one-quad program, in alternating slices so that both see the same machine.
void MeasureFrameRates(double seconds) {
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
    HDC sceneDc = wglGetCurrentDC();
    HGLRC sceneContext = wglGetCurrentContext();
    {
        QuadProgram quad(sceneDc);
        quad.Frame();
        glFinish();
        int sceneFrames = 0, quadFrames = 0;
        double sceneTime = 0, quadTime = 0;
        constexpr int kSlices = 5;
        for (int i = 0; i < kSlices; ++i) {
            wglMakeCurrent(sceneDc, sceneContext);
            DrawFor(seconds / kSlices, window, RenderFrame, sceneFrames, sceneTime);
            wglMakeCurrent(quad.dc, quad.context);
            DrawFor(seconds / kSlices, quad.window, [&quad] { quad.Frame(); }, quadFrames, quadTime);
        }
        const double scene = sceneFrames / sceneTime, quads = quadFrames / quadTime;
        std::printf("fps: scene %.1f, quad %.1f, ratio %.2f (%d alternating slices of %.1f s each)\n", scene,
                    quads, scene / quads, kSlices, seconds / kSlices);
    }
    wglMakeCurrent(sceneDc, sceneContext);
    ShutdownScene();
    DestroyWindow(window);
    g_settings = nullptr;
    Pump();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--minimal") == 0) return RunMinimalProgram(false);
    if (argc > 1 && std::strcmp(argv[1], "--minimal-plain") == 0) return RunMinimalProgram(true);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    const int launches = argc > 2 ? std::atoi(argv[2]) : 8;
    std::printf("screen %d x %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::fflush(stdout);
    MeasureLaunches(launches);
    std::fflush(stdout);
    PrintInitSceneBreakdown();
    std::fflush(stdout);
    MeasureFrameRates(seconds);
    std::fflush(stdout);
    return 0;
}
