// Drawing speed of the logo scene under Wine, next to a minimal program in the same run
// that only clears, draws one textured quad and swaps; and the time from start to the
// first presented frame. Prints figures; never fails on a time.
//   gl_bench [seconds per measurement]
#include <windows.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "saver_globals.h"
#include "scene.h"

namespace {
double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

HWND CreateFullScreenWindow(const char* title) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "GlBench";
    RegisterClassA(&windowClass);
    return CreateWindowExA(WS_EX_TOPMOST, "GlBench", title, WS_POPUP | WS_VISIBLE, 0, 0,
                           GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// The saver program itself: from CreateProcess to the first frame on the screen, seen
// as the screen's centre pixel leaving black.
void MeasureLaunch() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = path;
    command = "\"" + command.substr(0, command.find_last_of('\\') + 1) + "Whirlmark.scr\" /s";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("launch: cannot start %s\n", command.c_str());
        return;
    }
    HDC screen = GetDC(nullptr);
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2, cy = GetSystemMetrics(SM_CYSCREEN) / 3;
    double seen = 0;
    while (Now() - start < 120) {
        if ((GetPixel(screen, cx, cy) & 0xFFFFFF) != 0) {
            seen = Now() - start;
            break;
        }
        Sleep(5);
    }
    ReleaseDC(nullptr, screen);
    if (seen > 0)
        std::printf("launch: Whirlmark.scr /s to its first frame on the screen: %.0f ms\n", seen * 1000);
    else
        std::printf("launch: no frame within 120 s\n");
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Sleep(500);
}

// The scene's own InitScene and RenderFrame on a full-screen window of this process.
void MeasureScene(double seconds) {
    SaverSettings settings;
    g_settings = &settings;
    g_instance = GetModuleHandleA(nullptr);
    g_runMode = RunMode::FullScreen;
    HWND window = CreateFullScreenWindow("SaverWindow");
    settings.window = window;
    Pump();
    const double start = Now();
    InitScene(window);
    const double ready = Now();
    RenderFrame();
    glFinish();
    const double first = Now();
    std::printf("scene: InitScene %.0f ms (context, model, normals, textures), first frame %.0f ms\n",
                (ready - start) * 1000, (first - ready) * 1000);
    int frames = 0;
    const double begin = Now();
    while (Now() - begin < seconds) {
        Pump();
        RenderFrame();
        ++frames;
    }
    glFinish();
    const double elapsed = Now() - begin;
    std::printf("scene: %d frames in %.2f s: %.1f frames per second\n", frames, elapsed, frames / elapsed);
    ShutdownScene();
    DestroyWindow(window);
    g_settings = nullptr;
    Pump();
}

// The least a textured full-screen program can do: clear, one textured quad, swap; with
// the saver's pixel format and a mipmapped 512 x 512 texture.
void MeasureQuad(double seconds) {
    const double start = Now();
    HWND window = CreateFullScreenWindow("Quad");
    HDC dc = GetDC(window);
    PIXELFORMATDESCRIPTOR descriptor{};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = 16;
    descriptor.cDepthBits = 16;
    SetPixelFormat(dc, ChoosePixelFormat(dc, &descriptor), &descriptor);
    HGLRC context = wglCreateContext(dc);
    wglMakeCurrent(dc, context);
    const double contextReady = Now();
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
    const double textureReady = Now();
    auto frame = [dc] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0); glVertex2f(-1, -1);
        glTexCoord2f(1, 0); glVertex2f(1, -1);
        glTexCoord2f(1, 1); glVertex2f(1, 1);
        glTexCoord2f(0, 1); glVertex2f(-1, 1);
        glEnd();
        SwapBuffers(dc);
    };
    frame();
    glFinish();
    std::printf("quad:  window and context %.0f ms, one 512 x 512 mipmapped texture %.0f ms, first frame %.0f ms\n",
                (contextReady - start) * 1000, (textureReady - contextReady) * 1000,
                (Now() - textureReady) * 1000);
    int frames = 0;
    const double begin = Now();
    while (Now() - begin < seconds) {
        Pump();
        frame();
        ++frames;
    }
    glFinish();
    const double elapsed = Now() - begin;
    std::printf("quad:  %d frames in %.2f s: %.1f frames per second\n", frames, elapsed, frames / elapsed);
    glDeleteTextures(1, &texture);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    Pump();
}
}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    std::printf("screen %d x %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::fflush(stdout);
    MeasureLaunch();
    std::fflush(stdout);
    MeasureScene(seconds);
    std::fflush(stdout);
    MeasureQuad(seconds);
    std::fflush(stdout);
    return 0;
}
