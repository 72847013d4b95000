// The saver window's OpenGL context: pixel format, rendering context, swap interval,
// and their release at the end of the run.
#include "gl_context.h"

#include <windows.h>

#include <GL/gl.h>

#include <cstring>

#include "saver_globals.h"
#include "scene.h"

namespace {
HDC deviceContext = nullptr;
HGLRC renderingContext = nullptr;

using GetExtensionsStringArbProc = const char*(WINAPI*)(HDC dc);
using GetExtensionsStringExtProc = const char*(WINAPI*)();
using SwapIntervalProc = BOOL(WINAPI*)(int interval);

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

// Presents at the display's refresh rate when the driver offers WGL_EXT_swap_control,
// so that back-to-back frames do not take a whole processor.
void RequestSwapInterval(HDC dc) {
    const char* extensions = nullptr;
    if (auto arb = FindGlFunction<GetExtensionsStringArbProc>("wglGetExtensionsStringARB"))
        extensions = arb(dc);
    else if (auto ext = FindGlFunction<GetExtensionsStringExtProc>("wglGetExtensionsStringEXT"))
        extensions = ext();
    if (!HasExtension(extensions, "WGL_EXT_swap_control")) return;
    if (auto swapInterval = FindGlFunction<SwapIntervalProc>("wglSwapIntervalEXT")) swapInterval(1);
}

// Chooses and sets a double-buffered RGBA format with 16 colour and 16 depth bits.
// Shows why and returns false when either step fails.
bool SetupPixelFormat(HDC dc) {
    PIXELFORMATDESCRIPTOR descriptor{};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = 16;
    descriptor.cDepthBits = 16;
    descriptor.iLayerType = PFD_MAIN_PLANE;
    int format = ChoosePixelFormat(dc, &descriptor);
    if (format == 0) {
        MessageBoxA(nullptr, "ChoosePixelFormat failed", "Error", MB_OK);
        return false;
    }
    if (!SetPixelFormat(dc, format, &descriptor)) {
        MessageBoxA(nullptr, "SetPixelFormat failed", "Error", MB_OK);
        return false;
    }
    return true;
}
}  // namespace

void CreateGlContext(int width, int height) {
    deviceContext = GetDC(SaverWindow());
    if (!SetupPixelFormat(deviceContext)) PostQuitMessage(0);
    renderingContext = wglCreateContext(deviceContext);
    if (renderingContext && wglMakeCurrent(deviceContext, renderingContext))
        RequestSwapInterval(deviceContext);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    SetProjection(width, height);
}

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
