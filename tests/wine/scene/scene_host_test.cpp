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
#include "wine_test.h"

#include <windows.h>

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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

// What a full-screen run on the current settings and pixel-format choice showed.
struct FormatRun {
    int samples = -1;
    RendererKind kind = RendererKind::Hardware;
    std::string renderer;
    int materials = 0;
    Picture picture;
};

FormatRun RunFullScreenOnce(const char* screenshot) {
    SaverSettings settings;
    FormatRun run;
    bool shooting = false;  // the screenshot's wait pumps messages, this timer's included
    RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        if (tick < 3 || shooting) return true;
        shooting = true;
        run.samples = GlContextSamples();
        run.kind = GlRendererKind();
        run.renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        run.materials = g_scene.model.materialCount;
        run.picture = ReadSaverWindow();
        EXPECT_TRUE(wt::Screenshot(screenshot));
        return false;
    });
    EXPECT_FALSE(run.picture.Empty()) << screenshot;
    if (!run.picture.Empty()) {
        EXPECT_GT(CountInBorder(run.picture, 0.1, IsBlueSky), 1000) << screenshot;
        EXPECT_GT(Count(run.picture, run.picture.Centre(0.4), IsGreen), 300) << screenshot;
    }
    return run;
}

TEST(PixelFormat, PlainOnASoftwareRendererSamplesOnHardwareAndPlainWhereNoneAreOffered) {
    const FormatRun chosen = RunFullScreenOnce("saver/pixel-format-chosen");
    std::printf("renderer \"%s\": %s, %d samples per pixel\n", chosen.renderer.c_str(),
                chosen.kind == RendererKind::Software ? "software" : "hardware", chosen.samples);
    EXPECT_EQ(chosen.samples, chosen.kind == RendererKind::Software ? 0 : g_multisampleSamples);

    // The multisampled path, asked of this renderer whatever it is.
    g_samplesInSoftware = true;
    const FormatRun multisampled = RunFullScreenOnce("saver/pixel-format-multisampled");
    EXPECT_EQ(multisampled.samples, g_multisampleSamples);

    // No driver offers 64 samples per pixel: the saver falls back and still draws.
    const int asked = g_multisampleSamples;
    g_multisampleSamples = 64;
    const FormatRun fallback = RunFullScreenOnce("saver/pixel-format-fallback");
    g_multisampleSamples = asked;
    g_samplesInSoftware = false;
    EXPECT_EQ(fallback.samples, 0);
    // Every start found the scene as the first did.
    EXPECT_EQ(multisampled.materials, chosen.materials);
    EXPECT_EQ(fallback.materials, chosen.materials);
}

TEST(Model, MissingResourceIsTracedWithoutAMessageBox) {
    // A message box would wait here for an answer (and, full screen, close the saver).
    Model model;
    EXPECT_FALSE(ImportModel(model, 999, GetModuleHandleA(nullptr)));
    EXPECT_EQ(model.objectCount, 0);
    EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr);
}

namespace {
constexpr UINT kSessionChange = 0x02B1;  // WM_WTSSESSION_CHANGE

// Frames drawn at each tick of a full-screen run whose step `at(tick)` may send the
// saver messages; runs 12 ticks.
std::vector<unsigned long> FramesWhile(const std::function<void(int tick)>& at) {
    SaverSettings settings;
    std::vector<unsigned long> frames;
    RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        frames.push_back(g_scene.framesDrawn);
        at(tick);
        return tick < 12;
    });
    return frames;
}

// The console display's power state as the system reports it from Windows 8 on: a
// POWERBROADCAST_SETTING of GUID_CONSOLE_DISPLAY_STATE with PBT_POWERSETTINGCHANGE.
void SendDisplayState(DWORD state) {
    struct {
        GUID setting;
        DWORD length;
        BYTE data[4];
    } message{{0x6FE69556, 0x704A, 0x47A0, {0x8F, 0x24, 0xC2, 0x8D, 0x93, 0x6F, 0xDA, 0x47}}, sizeof state, {}};
    std::memcpy(message.data, &state, sizeof state);
    EXPECT_EQ(SendMessageA(SaverWindow(), WM_POWERBROADCAST, 0x8013, reinterpret_cast<LPARAM>(&message)), TRUE);
}
}  // namespace

TEST(Asleep, NoFramesWhileTheDisplayIsOffOrTheSessionLockedOrDisconnected) {
    // Ticks are 300 ms apart: dark from tick 3 to tick 6, lit again from 6 on.
    const std::vector<std::pair<const char*, std::function<void(int)>>> ways = {
        {"display off (power setting)", [](int tick) {
             if (tick == 3) SendDisplayState(0);
             if (tick == 6) SendDisplayState(1);
         }},
        {"session locked", [](int tick) {
             if (tick == 3) SendMessageA(SaverWindow(), kSessionChange, 7 /* WTS_SESSION_LOCK */, 1);
             if (tick == 6) SendMessageA(SaverWindow(), kSessionChange, 8 /* WTS_SESSION_UNLOCK */, 1);
         }},
        {"session disconnected", [](int tick) {
             if (tick == 3) SendMessageA(SaverWindow(), kSessionChange, 4 /* WTS_REMOTE_DISCONNECT */, 1);
             if (tick == 6) SendMessageA(SaverWindow(), kSessionChange, 3 /* WTS_REMOTE_CONNECT */, 1);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.first);
        const std::vector<unsigned long> frames = FramesWhile(way.second);
        ASSERT_EQ(frames.size(), 12u);
        EXPECT_GT(frames[2], frames[0]) << "no frames before";
        EXPECT_EQ(frames[5], frames[3]) << "frames while nobody could see them";
        EXPECT_GT(frames[11], frames[7]) << "no frames after";
    }
}

TEST(Preview, ABoxWithoutAreaGetsNoFramesAndStillEnds) {
    HWND host = CreatePreviewHost(0, 0);
    ASSERT_NE(host, nullptr);
    SaverSettings settings;
    unsigned long frames = 1;
    const int ticks = RunSaver(RunMode::Preview, host, settings, [&](int tick) {
        frames = g_scene.framesDrawn;
        return tick < 6;
    });
    EXPECT_EQ(ticks, 6);
    EXPECT_EQ(frames, 0u);
    DestroyWindow(host);
}

TEST(LostContext, IsMadeAgainAndTheSceneComesBack) {
    // The context deleted under the saver's feet, as a driver reset loses it.
    SaverSettings settings;
    settings.speedX = settings.speedY = settings.speedZ = 0;
    unsigned long after = 0;
    Picture picture;
    const int ticks = RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        if (tick == 3) {
            wglDeleteContext(wglGetCurrentContext());
        } else if (tick == 9) {
            after = g_scene.framesDrawn;
            picture = ReadSaverWindow();
            return false;
        }
        return true;
    });
    EXPECT_EQ(ticks, 9);
    EXPECT_GT(after, 5u) << "frames counted afresh from the new start";
    EXPECT_NE(scene_run::Traces().find("making it again"), std::string::npos);
    ASSERT_FALSE(picture.Empty());
    EXPECT_GT(CountInBorder(picture, 0.1, IsBlueSky), 1000);
    EXPECT_GT(Count(picture, picture.Centre(0.4), IsGreen), 300);
}

TEST(LostContext, LostOnceTooOftenShowsBlackAndAKeyStillCloses) {
    SaverSettings settings;
    unsigned long framesAt14 = 0, framesAt18 = 0;
    const int ticks = RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        if (tick >= 2 && tick <= 8) {
            if (HGLRC context = wglGetCurrentContext()) wglDeleteContext(context);
        } else if (tick == 14) {
            framesAt14 = g_scene.framesDrawn;
        } else if (tick == 18) {
            framesAt18 = g_scene.framesDrawn;
            PostMessageA(SaverWindow(), WM_KEYDOWN, VK_SPACE, 0);
        }
        return tick < 40;
    });
    EXPECT_LT(ticks, 25) << "the key did not close the saver";
    EXPECT_EQ(framesAt18, framesAt14) << "still drawing after giving up";
    EXPECT_NE(scene_run::Traces().find("for good"), std::string::npos);
}
