// The saver window's OpenGL context: the pixel format chosen for the renderer (4 samples
// per pixel on graphics hardware where the driver offers them, the plain format on a
// software renderer, which would compute every sample on the processor), the rendering
// context, the swap interval, the watch on presenting, and their release at the end of
// the run. Failures are traced, never shown in a message box: the saver is full screen
// or in the preview box, where a box would take activation or sit behind the saver.
#include "gl_context.h"

#include <windows.h>

#include <GL/gl.h>

#include <cstring>

#include "saver_globals.h"
#include "scene.h"

int g_multisampleSamples = 4;
bool g_samplesInSoftware = false;

namespace {
HDC deviceContext = nullptr;
int chosenSamples = 0;
HGLRC renderingContext = nullptr;
RendererKind rendererKind = RendererKind::Hardware;

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

PixelFormatFlags FlagsOf(HDC dc, int format) {
    PIXELFORMATDESCRIPTOR d{};
    if (!format || !DescribePixelFormat(dc, format, sizeof d, &d)) return {};
    return PixelFormatFlags{(d.dwFlags & PFD_GENERIC_FORMAT) != 0, (d.dwFlags & PFD_GENERIC_ACCELERATED) != 0};
}

// A rendering context made current on `dc`, or null (traced) when it cannot be made.
HGLRC CreateCurrentContext(HDC dc) {
    HGLRC context = wglCreateContext(dc);
    if (!context) {
        OutputDebugStringA("wglCreateContext failed\n");
        return nullptr;
    }
    if (!wglMakeCurrent(dc, context)) {
        OutputDebugStringA("wglMakeCurrent failed\n");
        wglDeleteContext(context);
        return nullptr;
    }
    return context;
}

// Sets `format` on `dc`; traces and returns false when it is refused.
bool SetFormat(HDC dc, int format) {
    PIXELFORMATDESCRIPTOR descriptor{};
    if (format && DescribePixelFormat(dc, format, sizeof descriptor, &descriptor) &&
        SetPixelFormat(dc, format, &descriptor))
        return true;
    OutputDebugStringA(format ? "SetPixelFormat failed\n" : "ChoosePixelFormat failed\n");
    return false;
}

// A hidden window whose plain-format context tells what renderer the driver gives and
// which pixel formats it offers: the saver window's own format can be set only once, so
// it is asked here first. When the saver window gets the same plain format, the context
// is handed over to it instead of a second one being made. The plain format is the one
// already chosen on the saver window's device context: format numbers belong to the
// display, not to a window, and choosing one again costs tens of milliseconds on drivers
// that describe every format to compare them.
class Probe {
public:
    explicit Probe(int plainFormat) : format_(plainFormat) {
        WNDCLASSA probeClass{};
        probeClass.lpfnWndProc = DefWindowProcA;
        probeClass.hInstance = g_instance;
        probeClass.lpszClassName = kClass;
        RegisterClassA(&probeClass);
        window_ = CreateWindowExA(0, kClass, "", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, g_instance, nullptr);
        dc_ = window_ ? GetDC(window_) : nullptr;
        PIXELFORMATDESCRIPTOR descriptor{};
        if (dc_ && format_ && DescribePixelFormat(dc_, format_, sizeof descriptor, &descriptor) &&
            SetPixelFormat(dc_, format_, &descriptor)) context_ = CreateCurrentContext(dc_);
        if (context_) {
            kind_ = ClassifyRenderer(reinterpret_cast<const char*>(glGetString(GL_VENDOR)),
                                     reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                                     FlagsOf(dc_, format_));
        }
    }
    ~Probe() {
        if (context_) {
            if (wglGetCurrentContext() == context_) wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(context_);
        }
        if (dc_) ReleaseDC(window_, dc_);
        if (window_) DestroyWindow(window_);
        UnregisterClassA(kClass, g_instance);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    RendererKind Kind() const { return kind_; }

    // A pixel format for `target` with `samples` samples per pixel through
    // WGL_ARB_pixel_format; 0 when the driver has none or `samples` is below 2.
    int MultisampleFormat(HDC target, int samples) const {
        if (samples < 2 || !context_) return 0;
        const char* extensions = WglExtensions(dc_);
        auto choose = FindGlFunction<ChoosePixelFormatArbProc>("wglChoosePixelFormatARB");
        if (!choose || !HasExtension(extensions, "WGL_ARB_pixel_format") ||
            !HasExtension(extensions, "WGL_ARB_multisample"))
            return 0;
        const int attributes[] = {kDrawToWindow, 1, kSupportOpenGl, 1, kDoubleBuffer, 1,
                                  kPixelType, kTypeRgba, kColorBits, 16, kDepthBits, 16,
                                  kSampleBuffers, 1, kSamples, samples, 0};
        int format = 0;
        UINT count = 0;
        if (!choose(target, attributes, nullptr, 1, &format, &count) || count == 0) return 0;
        return format;
    }

    // The probe's context made current on `dc`, which has the plain format, and given
    // away; null when that fails.
    HGLRC HandOver(HDC dc) {
        if (!context_ || !wglMakeCurrent(dc, context_)) return nullptr;
        HGLRC context = context_;
        context_ = nullptr;
        return context;
    }

private:
    static constexpr const char* kClass = "ScrFormatProbe";
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    int format_ = 0;
    HGLRC context_ = nullptr;
    RendererKind kind_ = RendererKind::Hardware;
};

// Presents at the display's refresh rate when the driver offers WGL_EXT_swap_control,
// so that back-to-back frames do not take a whole processor.
void RequestSwapInterval(HDC dc) {
    if (!HasExtension(WglExtensions(dc), "WGL_EXT_swap_control")) return;
    if (auto swapInterval = FindGlFunction<SwapIntervalProc>("wglSwapIntervalEXT")) swapInterval(1);
}

// Gives `dc` its pixel format and a current rendering context; null (traced) when
// either cannot be had. A window whose format was set before (a context made again)
// keeps it. Windows' generic implementation is known to draw in software from its
// format's flags alone; any other renderer is asked through the probe.
HGLRC CreateContextFor(HDC dc, int width, int height) {
    chosenSamples = 0;
    if (GetPixelFormat(dc)) return CreateCurrentContext(dc);
    PIXELFORMATDESCRIPTOR descriptor = PlainDescriptor();
    const int plain = ChoosePixelFormat(dc, &descriptor);
    const PixelFormatFlags flags = FlagsOf(dc, plain);
    if (ClassifyRenderer(nullptr, nullptr, flags) == RendererKind::Software && !g_samplesInSoftware)
        return SetFormat(dc, plain) ? CreateCurrentContext(dc) : nullptr;
    Probe probe(plain);
    const RendererKind kind = g_samplesInSoftware ? RendererKind::Hardware : probe.Kind();
    const int samples = MultisampleSamples(kind, width, height, g_multisampleSamples);
    if (const int format = probe.MultisampleFormat(dc, samples)) {
        if (SetFormat(dc, format)) {
            chosenSamples = samples;
            return CreateCurrentContext(dc);
        }
        OutputDebugStringA("multisampled pixel format refused; using the plain one\n");
    }
    if (!SetFormat(dc, plain)) return nullptr;
    if (HGLRC handed = probe.HandOver(dc)) return handed;
    return CreateCurrentContext(dc);
}
}  // namespace

void CreateGlContext(int width, int height) {
    deviceContext = GetDC(SaverWindow());
    renderingContext = deviceContext ? CreateContextFor(deviceContext, width, height) : nullptr;
    if (!renderingContext) {
        OutputDebugStringA("no OpenGL context for the saver window; ending\n");
        PostQuitMessage(0);
        return;
    }
    rendererKind = ClassifyRenderer(reinterpret_cast<const char*>(glGetString(GL_VENDOR)),
                                    reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                                    FlagsOf(deviceContext, GetPixelFormat(deviceContext)));
    RequestSwapInterval(deviceContext);
    if (chosenSamples) glEnable(kGlMultisample);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    SetProjection(width, height);
}

int GlContextSamples() { return chosenSamples; }

bool PresentGlFrame() {
    if (!renderingContext || wglGetCurrentContext() != renderingContext) return false;
    bool outOfMemory = false;
    // Errors stay recorded until read; a few are enough to find an out-of-memory one.
    for (int i = 0; i < 8; ++i) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR) break;
        if (error == GL_OUT_OF_MEMORY) outOfMemory = true;
    }
    const bool presented = SwapBuffers(deviceContext) != FALSE;
    if (!presented) OutputDebugStringA("SwapBuffers failed\n");
    if (outOfMemory) OutputDebugStringA("OpenGL is out of memory\n");
    return presented && !outOfMemory;
}

RendererKind GlRendererKind() { return rendererKind; }

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
    ShowCursor(TRUE);
    UnregisterClassA("ScrClass", g_instance);
}
