// The saver window's OpenGL context: pixel format (multisampled where the driver offers
// it), rendering context, swap interval, and their release at the end of the run.
// Failures are traced, never shown in a message box: the saver is full screen or in the
// preview box, where a box would take activation or sit behind the saver.
#include "gl_context.h"

#include <windows.h>

#include <GL/gl.h>

#include <cstring>

#include "saver_globals.h"
#include "scene.h"

int g_multisampleSamples = 4;

namespace {
HDC deviceContext = nullptr;
int chosenSamples = 0;
HGLRC renderingContext = nullptr;

using GetExtensionsStringArbProc = const char*(WINAPI*)(HDC dc);
using GetExtensionsStringExtProc = const char*(WINAPI*)();
using SwapIntervalProc = BOOL(WINAPI*)(int interval);
using ChoosePixelFormatArbProc = BOOL(WINAPI*)(HDC dc, const int* intAttributes,
                                               const FLOAT* floatAttributes, UINT maxFormats,
                                               int* formats, UINT* count);

// WGL_ARB_pixel_format and WGL_ARB_multisample names.
constexpr int kDrawToWindow = 0x2001, kSupportOpenGl = 0x2010, kDoubleBuffer = 0x2011,
              kPixelType = 0x2013, kTypeRgba = 0x202B, kColorBits = 0x2014, kDepthBits = 0x2022,
              kSampleBuffers = 0x2041, kSamples = 0x2042;
constexpr GLenum kGlMultisample = 0x809D;

template <typename Proc>
Proc FindGlFunction(const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(wglGetProcAddress(name)));
}

// True when `list`, a space-separated extension list, names `extension` exactly.
bool HasExtension(const char* list, const char* extension) {
    if (!list) return false;
    const std::size_t length = std::strlen(extension);
    for (const char* p = list; (p = std::strstr(p, extension)) != nullptr; p += length) {
        bool starts = p == list || p[-1] == ' ';
        bool ends = p[length] == ' ' || p[length] == '\0';
        if (starts && ends) return true;
    }
    return false;
}

const char* WglExtensions(HDC dc) {
    if (auto arb = FindGlFunction<GetExtensionsStringArbProc>("wglGetExtensionsStringARB"))
        return arb(dc);
    if (auto ext = FindGlFunction<GetExtensionsStringExtProc>("wglGetExtensionsStringEXT"))
        return ext();
    return nullptr;
}

PIXELFORMATDESCRIPTOR PlainDescriptor() {
    PIXELFORMATDESCRIPTOR descriptor{};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = 16;
    descriptor.cDepthBits = 16;
    descriptor.iLayerType = PFD_MAIN_PLANE;
    return descriptor;
}

// A pixel format for `target` with `samples` samples per pixel, asked for through
// WGL_ARB_pixel_format on a temporary context of a hidden window (the saver window's
// own format can be set only once); 0 when the driver has none.
int MultisampleFormat(HDC target, int samples) {
    if (samples < 2) return 0;
    WNDCLASSA probeClass{};
    probeClass.lpfnWndProc = DefWindowProcA;
    probeClass.hInstance = g_instance;
    probeClass.lpszClassName = "ScrFormatProbe";
    RegisterClassA(&probeClass);
    HWND probe = CreateWindowExA(0, probeClass.lpszClassName, "", WS_POPUP, 0, 0, 8, 8, nullptr,
                                 nullptr, g_instance, nullptr);
    int format = 0;
    HDC dc = probe ? GetDC(probe) : nullptr;
    PIXELFORMATDESCRIPTOR descriptor = PlainDescriptor();
    const int plain = dc ? ChoosePixelFormat(dc, &descriptor) : 0;
    HGLRC context = plain && SetPixelFormat(dc, plain, &descriptor) ? wglCreateContext(dc) : nullptr;
    if (context && wglMakeCurrent(dc, context)) {
        const char* extensions = WglExtensions(dc);
        auto choose = FindGlFunction<ChoosePixelFormatArbProc>("wglChoosePixelFormatARB");
        if (choose && HasExtension(extensions, "WGL_ARB_pixel_format") &&
            HasExtension(extensions, "WGL_ARB_multisample")) {
            const int attributes[] = {kDrawToWindow, 1, kSupportOpenGl, 1, kDoubleBuffer, 1,
                                      kPixelType, kTypeRgba, kColorBits, 16, kDepthBits, 16,
                                      kSampleBuffers, 1, kSamples, samples, 0};
            UINT count = 0;
            if (!choose(target, attributes, nullptr, 1, &format, &count) || count == 0) format = 0;
        }
        wglMakeCurrent(nullptr, nullptr);
    }
    if (context) wglDeleteContext(context);
    if (dc) ReleaseDC(probe, dc);
    if (probe) DestroyWindow(probe);
    UnregisterClassA(probeClass.lpszClassName, g_instance);
    return format;
}

// Presents at the display's refresh rate when the driver offers WGL_EXT_swap_control,
// so that back-to-back frames do not take a whole processor.
void RequestSwapInterval(HDC dc) {
    if (!HasExtension(WglExtensions(dc), "WGL_EXT_swap_control")) return;
    if (auto swapInterval = FindGlFunction<SwapIntervalProc>("wglSwapIntervalEXT")) swapInterval(1);
}

// Sets a multisampled format when the driver offers one, otherwise the double-buffered
// RGBA format with 16 colour and 16 depth bits. Traces why and returns false when no
// format could be chosen or set.
bool SetupPixelFormat(HDC dc) {
    chosenSamples = 0;
    PIXELFORMATDESCRIPTOR descriptor{};
    if (const int format = MultisampleFormat(dc, g_multisampleSamples)) {
        if (DescribePixelFormat(dc, format, sizeof descriptor, &descriptor) &&
            SetPixelFormat(dc, format, &descriptor)) {
            chosenSamples = g_multisampleSamples;
            return true;
        }
        OutputDebugStringA("multisampled pixel format refused; using the plain one\n");
    }
    descriptor = PlainDescriptor();
    const int format = ChoosePixelFormat(dc, &descriptor);
    if (format == 0) {
        OutputDebugStringA("ChoosePixelFormat failed\n");
        return false;
    }
    if (!SetPixelFormat(dc, format, &descriptor)) {
        OutputDebugStringA("SetPixelFormat failed\n");
        return false;
    }
    return true;
}
}  // namespace

void CreateGlContext(int width, int height) {
    deviceContext = GetDC(SaverWindow());
    if (!SetupPixelFormat(deviceContext)) PostQuitMessage(0);
    renderingContext = wglCreateContext(deviceContext);
    if (renderingContext && wglMakeCurrent(deviceContext, renderingContext)) {
        RequestSwapInterval(deviceContext);
        if (chosenSamples) glEnable(kGlMultisample);
    }
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    SetProjection(width, height);
}

int GlContextSamples() { return chosenSamples; }

void DestroyGlContext() {
    if (renderingContext) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(renderingContext);
        renderingContext = nullptr;
    }
    if (deviceContext) {
        ReleaseDC(SaverWindow(), deviceContext);
        deviceContext = nullptr;
    }
    ChangeDisplaySettingsA(nullptr, 0);
    ShowCursor(TRUE);
    UnregisterClassA("ScrClass", g_instance);
}
