// Where InitScene's time goes: its steps run one by one, in its order, on a full-screen
// window of the benchmark, each timed after glFinish.
#include "init_breakdown.h"

#include <GL/gl.h>

#include <cstdio>

#include "bench_util.h"
#include "dib_image.h"
#include "model_resource.h"
#include "object_arrays.h"
#include "scene_view.h"
#include "texture_names.h"
#include "textures.h"

namespace {
double Lap(double& since) {
    glFinish();
    const double now = Now();
    const double ms = (now - since) * 1000;
    since = now;
    return ms;
}
}  // namespace

void PrintInitSceneBreakdown() {
    {
        // What the least an OpenGL program does costs here, for comparison.
        HWND plainWindow = CreateFullScreenWindow("Plain");
        Pump();
        double t = Now();
        HDC dc = GetDC(plainWindow);
        HGLRC context = UsePlainContext(dc);
        const double plain = Lap(t);
        std::printf("init: a plain context alone %.1f ms\n", plain);
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
        ReleaseDC(plainWindow, dc);
        DestroyWindow(plainWindow);
        Pump();
    }
    HWND window = CreateFullScreenWindow("Breakdown");
    Pump();
    double total = 0;
    double t = Now();
    UseSaverContext(window);
    const double context = Lap(t);
    Model model;
    ImportModel(model, MODEL_RESOURCE_ID, GetModuleHandleA(nullptr));
    const double read = Lap(t);
    ComputeNormals(model);
    const double normals = Lap(t);
    std::printf("init: context %.1f ms, model read %.1f ms (normals %.1f ms of it)\n", context, read, normals);
    total += context + read;
    for (int entry = 2; entry < TEXTURE_NAME_COUNT; ++entry) AddTextureMaterial(model, TextureNameTable[entry]);
    for (int slot = 0; slot < model.materialCount; ++slot) {
        if (!model.materials[slot].textureFile[0]) continue;
        Lap(t);
        DibImage image;
        image.LoadFromResource(TEXTURE_RESOURCE_BASE + slot);
        const double decode = Lap(t);
        glGenTextures(1, &TextureTable[slot]);
        glBindTexture(GL_TEXTURE_2D, TextureTable[slot]);
        UploadMipmaps(image);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        const double mipmaps = Lap(t);
        GLint width = 0, height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::printf("init: texture %d %-12s %4d x %-4d to %4d x %-4d decode %5.1f ms, scale and mipmaps %5.1f ms\n",
                    slot, slot < TEXTURE_NAME_COUNT ? TextureNameTable[slot] : "?", image.Width(), image.Height(),
                    width, height, decode, mipmaps);
        // The first frame makes only the default backdrop's and logo's; the rest wait for use.
        if (slot == DEFAULT_BACK_TEXTURE_SLOT || slot == DEFAULT_ICON_TEXTURE_SLOT) total += decode + mipmaps;
    }
    PrepareObjectArrays(model);
    const double lists = Lap(t);
    std::printf("init: vertex arrays %.1f ms\n", lists);
    total += lists;
    std::printf("init: steps before the first frame add up to %.0f ms\n", total);
    ReleaseObjectArrays();
    ReleaseTextures(model);
    ReleaseSaverContext();
    DestroyWindow(window);
    Pump();
}
