// The scene with the shipped art, drawn from its vertex arrays next to the immediate-mode
// reference, and its textures next to the exact scaler with GLU's mipmaps, in one run.
#include "dib_image.h"
#include "immediate_drawing.h"
#include "picture.h"
#include "reference_scaler.h"
#include "saver_globals.h"
#include "scene.h"
#include "scene_state.h"
#include "texture_names.h"
#include "textures.h"

#include <windows.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#ifndef GL_BGR_EXT
#define GL_BGR_EXT 0x80E0
#endif

namespace {
constexpr int kWidth = 320, kHeight = 240;

// InitScene on a popup of its own for the test's duration, ShutdownScene at the end.
class SceneWindow {
public:
    SceneWindow() {
        g_instance = GetModuleHandleA(nullptr);
        g_runMode = RunMode::FullScreen;
        g_settings = &settings_;
        settings_.window = CreateWindowExA(0, "STATIC", "scene", WS_POPUP | WS_VISIBLE, 0, 0, kWidth,
                                           kHeight, nullptr, nullptr, nullptr, nullptr);
        InitScene(settings_.window);
    }
    ~SceneWindow() {
        ShutdownScene();
        DestroyWindow(settings_.window);
        g_settings = nullptr;
    }

private:
    SaverSettings settings_;
};

using Draw = void (*)(int objectIndex, int slot);
void DrawByReference(int objectIndex, int slot) { DrawObjectImmediately(g_scene.model, objectIndex, slot); }

// A frame at fixed angles with the logo at medium size, drawn by `draw`, read back.
Picture DrawFrame(Draw draw) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(0.0, 1.5, 16.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    draw(0, backTextureSlot);
    glRotatef(25.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(40.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(10.0f, 0.0f, 0.0f, 1.0f);
    draw(1, iconTextureSlot);
    for (int i = 2; i < g_scene.model.objectCount; ++i) draw(i, backTextureSlot);
    glFinish();
    return ReadLastFrame(kWidth, kHeight);
}

int WorstDifference(const Picture& a, const Picture& b) {
    int worst = 0;
    for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
        const Rgb& p = a.pixels[i];
        const Rgb& q = b.pixels[i];
        worst = std::max({worst, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
    }
    return worst;
}

int WorstDifference(const Texels& a, const Texels& b) {
    int worst = 0;
    for (size_t i = 0; i < a.rgba.size() && i < b.rgba.size(); ++i)
        worst = std::max(worst, std::abs(a.rgba[i] - b.rgba[i]));
    return worst;
}
}  // namespace

TEST(Drawing, VertexArraysShowWhatImmediateModeShowed) {
    SceneWindow scene;
    ASSERT_GE(g_scene.model.objectCount, 2);
    const Box all{0, 0, kWidth, kHeight};
    backTextureSlot = 0;
    iconTextureSlot = 1;
    const Picture lit = DrawFrame(DrawObject);
    const Picture litReference = DrawFrame(DrawByReference);
    ASSERT_EQ(lit.pixels.size(), static_cast<size_t>(kWidth * kHeight));
    EXPECT_GT(Count(lit, lit.Centre(0.4), IsGreen), 300);  // the grass logo is there
    EXPECT_LE(WorstDifference(lit, litReference), 1);

    // Lighting off and other textures for both: the drawing follows the switches.
    ToggleLighting();
    CycleBackTexture();
    CycleIconTexture();
    CycleIconTexture();
    const Picture unlit = DrawFrame(DrawObject);
    const Picture unlitReference = DrawFrame(DrawByReference);
    ToggleLighting();
    EXPECT_GT(CountChanged(lit, unlit, all), kWidth * kHeight / 2);
    EXPECT_LE(WorstDifference(unlit, unlitReference), 1);
}

TEST(Drawing, TexturesMatchTheExactScalerWithGluMipmaps) {
    SceneWindow scene;
    ASSERT_EQ(g_scene.model.materialCount, TEXTURE_NAME_COUNT);
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    for (int slot = 0; slot < TEXTURE_NAME_COUNT; ++slot) {
        DibImage image;
        ASSERT_TRUE(image.LoadFromResource(TEXTURE_RESOURCE_BASE + slot));
        const TextureImage exact = ReferenceScaleToPowerOfTwo(image.Pixels(), image.Width(), image.Height(),
                                                              image.Stride(), image.BytesPerPixel(),
                                                              std::min<int>(maxSide, MAX_TEXTURE_SIDE));
        GLuint reference = 0;
        glGenTextures(1, &reference);
        glBindTexture(GL_TEXTURE_2D, reference);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        gluBuild2DMipmaps(GL_TEXTURE_2D, exact.bytesPerPixel, exact.width, exact.height, GL_BGR_EXT,
                          GL_UNSIGNED_BYTE, exact.pixels.data());
        int levels = 0;
        for (int level = 0;; ++level) {
            const Texels ours = ReadTexture(TextureFor(slot), level);
            const Texels theirs = ReadTexture(reference, level);
            ASSERT_EQ(ours.width, theirs.width) << "slot " << slot << " level " << level;
            ASSERT_EQ(ours.height, theirs.height) << "slot " << slot << " level " << level;
            if (ours.rgba.empty()) break;
            EXPECT_LE(WorstDifference(ours, theirs), level == 0 ? 1 : 2) << "slot " << slot << " level " << level;
            ++levels;
            if (ours.width == 1 && ours.height == 1) break;
        }
        int expected = 1;
        for (int side = std::max(exact.width, exact.height); side > 1; side /= 2) ++expected;
        EXPECT_EQ(levels, expected) << "slot " << slot;
        glDeleteTextures(1, &reference);
    }
}
