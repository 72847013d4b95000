// The saver window run inside the test process with the real host and scene, so that
// the picture can be read back from its OpenGL context: the preview draws into its
// child window, a click switches the lighting off and on, frames are paced, the plain
// pixel format stands in when no multisampled one is offered, and a missing model is
// traced without a message box.
#include "gl_context.h"
#include "model_resource.h"
#include "picture.h"
#include "saver_globals.h"
#include "saver_run.h"
#include "scene_state.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {
using scene_run::CreatePreviewHost;
using scene_run::ReadSaverWindow;
using scene_run::RunSaver;

// Frames drawn per second over ticks 2 to 12 (three seconds) of a run of `mode`.
double FramesPerSecond(RunMode mode, HWND parent) {
    SaverSettings settings;
    unsigned long firstFrame = 0;
    double start = 0.0, fps = 0.0;
    RunSaver(mode, parent, settings, [&](int tick) {
        if (tick == 2) {
            firstFrame = g_scene.framesDrawn;
            start = GetTickCount();
        } else if (tick == 12) {
            fps = (g_scene.framesDrawn - firstFrame) * 1000.0 / (GetTickCount() - start);
            return false;
        }
        return true;
    });
    return fps;
}

bool NotBlack(const Rgb& p) { return !IsBlack(p); }

// Sum of red, green and blue over the picture: its brightness.
long long Brightness(const Picture& picture) {
    long long sum = 0;
    for (const Rgb& p : picture.pixels) sum += p.r + p.g + p.b;
    return sum;
}

}  // namespace

TEST(Preview, DrawsTheSceneIntoItsChildWindow) {
    HWND host = CreatePreviewHost(320, 240);
    ASSERT_NE(host, nullptr);
    // A still logo faces the viewer however fast the machine draws; spinning, it could be
    // edge-on at the moment of the read-back.
    SaverSettings settings;
    settings.speedX = settings.speedY = settings.speedZ = 0;
    Picture picture;
    HWND child = nullptr;
    RECT client{};
    RunSaver(RunMode::Preview, host, settings, [&](int tick) {
        if (tick < 4) return true;
        child = SaverWindow();
        GetClientRect(child, &client);
        picture = ReadSaverWindow();
        return false;
    });
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 240);
    ASSERT_EQ(picture.width, 320);
    ASSERT_EQ(picture.height, 240);

    // The sky fills the border; the grass logo is in the middle, scaled to the box.
    int border = 0;
    EXPECT_EQ(CountInBorder(picture, 0.1, IsBlack, &border), 0);
    EXPECT_GT(CountInBorder(picture, 0.1, IsBlueSky), border * 9 / 10);
    EXPECT_GT(Count(picture, picture.Centre(0.4), IsGreen), 300);
    EXPECT_EQ(CountInBorder(picture, 0.2, IsGreen), 0);
    DestroyWindow(host);
}

TEST(Lighting, EachClickSwitchesTheLightingOfTheTurnedLogo) {
    // A still logo turned 70 degrees away from the light, on black: lit, it is much
    // darker than its plain texture.
    SaverSettings settings;
    settings.showBackground = 0;
    settings.speedX = settings.speedY = settings.speedZ = 0;
    g_scene.spinAngles = Vec3{0.0f, 70.0f, 0.0f};
    Picture lit, unlit, litAgain;
    RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        switch (tick) {
        case 3:
            lit = ReadSaverWindow();
            SendMessageA(SaverWindow(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
            break;
        case 5:
            unlit = ReadSaverWindow();
            SendMessageA(SaverWindow(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
            break;
        case 7:
            litAgain = ReadSaverWindow();
            return false;
        }
        return true;
    });
    ASSERT_FALSE(lit.Empty());
    ASSERT_FALSE(unlit.Empty());
    ASSERT_FALSE(litAgain.Empty());
    const Box all{0, 0, lit.width, lit.height};
    ASSERT_GT(Count(lit, all, NotBlack), 1000);
    // The same pixels are covered; only their brightness changes.
    EXPECT_NEAR(Count(unlit, all, NotBlack), Count(lit, all, NotBlack), Count(lit, all, NotBlack) / 20);
    EXPECT_GT(Brightness(unlit), Brightness(lit) * 14 / 10);
    EXPECT_EQ(CountChanged(lit, litAgain, all), 0);
}

TEST(Pacing, FramesComeNoFasterThanTheRefreshAndThirtyInThePreview) {
    // Xvfb has no vertical blank, so swap control does not slow these frames down.
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    const int hz = EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1
                       ? static_cast<int>(mode.dmDisplayFrequency) : 60;
    const double fullScreen = FramesPerSecond(RunMode::FullScreen, nullptr);
    HWND host = CreatePreviewHost(160, 120);
    ASSERT_NE(host, nullptr);
    const double preview = FramesPerSecond(RunMode::Preview, host);
    DestroyWindow(host);
    std::printf("paced: %.1f frames per second full screen at %d Hz, %.1f in the preview\n", fullScreen, hz,
                preview);
    EXPECT_GT(fullScreen, 0.0);
    EXPECT_LE(fullScreen, hz * 16.0 / 15.0 + 2.0);
    EXPECT_GT(preview, 0.0);
    EXPECT_LE(preview, 31.0);
}

TEST(PixelFormat, PlainFormatStandsInWhenNoMultisampledOneIsOffered) {
    // No driver offers 64 samples per pixel: the saver falls back and still draws.
    const int asked = g_multisampleSamples;
    g_multisampleSamples = 64;
    SaverSettings settings;
    int samples = -1, materials = 0, materialsAgain = 0;
    Picture picture;
    RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        if (tick < 3) return true;
        samples = GlContextSamples();
        materials = g_scene.model.materialCount;
        picture = ReadSaverWindow();
        return false;
    });
    g_multisampleSamples = asked;
    EXPECT_EQ(samples, 0);
    ASSERT_FALSE(picture.Empty());
    EXPECT_GT(CountInBorder(picture, 0.1, IsBlueSky), 1000);
    EXPECT_GT(Count(picture, picture.Centre(0.4), IsGreen), 300);

    // What the default asks for, where this OpenGL offers it.
    RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        if (tick < 2) return true;
        samples = GlContextSamples();
        materialsAgain = g_scene.model.materialCount;
        return false;
    });
    std::printf("default pixel format: %d samples per pixel\n", samples);
    EXPECT_TRUE(samples == 0 || samples == asked);
    // The second start found the scene as the first did.
    EXPECT_EQ(materialsAgain, materials);
}

TEST(Model, MissingResourceIsTracedWithoutAMessageBox) {
    // A message box would wait here for an answer (and, full screen, close the saver).
    Model model;
    EXPECT_FALSE(ImportModel(model, 999, GetModuleHandleA(nullptr)));
    EXPECT_EQ(model.objectCount, 0);
    EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr);
}
