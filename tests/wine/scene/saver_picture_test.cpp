// The running full-screen saver as the user sees it, from screenshots: the backdrop
// fills the frame, the logo spins in the middle, the settings change the picture, and
// the keypad's texture choices outlive the run.
#include "picture.h"
#include "settings.h"
#include "wine_test.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {
const double kBorder = 0.1;  // the outer tenth of each side

void WriteSetting(const char* name, DWORD value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

bool NotBlack(const Rgb& p) { return !IsBlack(p); }

// Captures until `ready` holds for the picture (at most `ms` milliseconds).
template <typename Ready>
Picture CaptureWhen(Ready ready, DWORD ms) {
    const DWORD start = GetTickCount();
    Picture picture = CaptureScreen();
    while (!ready(picture) && GetTickCount() - start < ms) {
        Sleep(250);
        picture = CaptureScreen();
    }
    return picture;
}

// The full-screen saver, started with the settings already in the registry, shown once
// its first frames have been drawn.
class RunningSaver {
public:
    RunningSaver() {
        process_ = wt::Launch("\"" + wt::BinDir() + "Whirlmark.scr\" /s");
        if (!process_.Valid()) return;
        window_ = wt::WaitForWindow("ScrClass", "SaverWindow", process_.Id(), 60000);
        if (!window_) return;
        // Starting up: model, normals and mipmaps come before the first frame.
        first_ = CaptureWhen([](const Picture& p) {
            return !p.Empty() && Count(p, p.Centre(0.4), NotBlack) > 1000;
        }, 90000);
    }
    bool Showing() const {
        return window_ && !first_.Empty() && Count(first_, first_.Centre(0.4), NotBlack) > 1000;
    }
    HWND Window() const { return window_; }
    wt::Process& Process() { return process_; }
    const Picture& First() const { return first_; }

private:
    wt::Process process_;
    HWND window_ = nullptr;
    Picture first_;
};

int ChangedInBorder(const Picture& a, const Picture& b) {
    const int mx = static_cast<int>(a.width * kBorder), my = static_cast<int>(a.height * kBorder);
    return CountChanged(a, b, Box{0, 0, a.width, my}) +
           CountChanged(a, b, Box{0, a.height - my, a.width, a.height}) +
           CountChanged(a, b, Box{0, my, mx, a.height - my}) +
           CountChanged(a, b, Box{a.width - mx, my, a.width, a.height - my});
}
}  // namespace

TEST(FullScreen, BackdropFillsTheFrameAndTheTexturedLogoSpinsInTheMiddle) {
    RunningSaver saver;
    ASSERT_TRUE(saver.Showing());
    const Picture a = saver.First();
    Sleep(1500);
    const Picture b = CaptureScreen();
    ASSERT_EQ(a.width, b.width);

    // The sky backdrop covers the whole border, as a texture, not a flat colour.
    int border = 0;
    EXPECT_EQ(CountInBorder(a, kBorder, IsBlack, &border), 0);
    EXPECT_GT(CountInBorder(a, kBorder, IsBlueSky), border * 9 / 10);
    EXPECT_GT(DistinctColours(a, Box{0, 0, a.width, a.height / 10}), 100);

    // The grass-textured logo sits in the middle and nowhere near the edges.
    const Box middle = a.Centre(0.4);
    EXPECT_GT(Count(a, middle, IsGreen), 2000);
    EXPECT_EQ(CountInBorder(a, 0.2, IsGreen), 0);
    const Box logo = BoundsOf(a, IsGreen);
    EXPECT_NEAR((logo.left + logo.right) / 2, a.width / 2, a.width / 12);
    EXPECT_NEAR((logo.top + logo.bottom) / 2, a.height / 2, a.height / 12);
    Picture logoOnly = a;
    for (Rgb& p : logoOnly.pixels)
        if (!IsGreen(p)) p = Rgb{};
    EXPECT_GT(DistinctColours(logoOnly, logo), 100);

    // Frames differ in the middle while the border stays exactly the same.
    EXPECT_GT(CountChanged(a, b, middle), 200);
    EXPECT_EQ(ChangedInBorder(a, b), 0);
}

TEST(FullScreen, BackgroundOffLeavesABlackBorder) {
    WriteSetting("Background", 0);
    RunningSaver saver;
    ASSERT_TRUE(saver.Showing());
    int border = 0;
    EXPECT_EQ(CountInBorder(saver.First(), kBorder, IsBlack, &border), border);
    EXPECT_GT(Count(saver.First(), saver.First().Centre(0.4), IsGreen), 2000);
}

TEST(FullScreen, TheThreeLogoSizesShowThreeSizes) {
    // A still logo on black, so that its outline can be measured.
    WriteSetting("Background", 0);
    WriteSetting("X Speed", 0);
    WriteSetting("Y Speed", 0);
    WriteSetting("Z Speed", 0);
    Box sizes[3];
    for (int size = 0; size < 3; ++size) {
        WriteSetting("Logo Size", static_cast<DWORD>(size));
        RunningSaver saver;
        ASSERT_TRUE(saver.Showing()) << "logo size " << size;
        sizes[size] = BoundsOf(saver.First(), NotBlack);
        const Picture& p = saver.First();
        // Centred; the camera's slight look down moves the large logo up a little.
        EXPECT_NEAR((sizes[size].left + sizes[size].right) / 2, p.width / 2, p.width / 50);
        EXPECT_NEAR((sizes[size].top + sizes[size].bottom) / 2, p.height / 2, p.height / 25);
        std::printf("logo size %d: %d x %d pixels\n", size, sizes[size].Width(), sizes[size].Height());
        saver.Process().Kill();
        saver.Process().Wait(10000);
        // The next run must not see this one's last frame.
        CaptureWhen([](const Picture& p) { return !p.Empty() && Count(p, p.Centre(0.4), NotBlack) == 0; },
                    20000);
    }
    // Camera distances 24, 16 and 8: the logo grows by 1.5 and by 3.
    ASSERT_GT(sizes[0].Height(), 100);
    EXPECT_NEAR(static_cast<double>(sizes[1].Height()) / sizes[0].Height(), 1.5, 0.15);
    EXPECT_NEAR(static_cast<double>(sizes[2].Height()) / sizes[0].Height(), 3.0, 0.3);
    EXPECT_NEAR(static_cast<double>(sizes[1].Width()) / sizes[0].Width(), 1.5, 0.15);
    EXPECT_NEAR(static_cast<double>(sizes[2].Width()) / sizes[0].Width(), 3.0, 0.3);
}

TEST(FullScreen, KeypadChangesTexturesAndEscapeKeepsTheChoice) {
    WriteSetting("Interactive", 1);
    // Hand-edited slots outside the six textures start as the defaults: sky and grass.
    WriteSetting("Back Texture", 0xFFFFFFFF);
    WriteSetting("Icon Texture", 77);
    RunningSaver saver;
    ASSERT_TRUE(saver.Showing());
    const Picture start = saver.First();
    int border = 0;
    EXPECT_GT(CountInBorder(start, kBorder, IsBlueSky, &border), border * 9 / 10);
    const int greenLogo = Count(start, start.Centre(0.4), IsGreen);
    ASSERT_GT(greenLogo, 1000);

    // Keypad 1: the logo leaves grass for the next texture (a grey one).
    PostMessageA(saver.Window(), WM_KEYDOWN, VK_NUMPAD1, 0);
    const Picture logoChanged = CaptureWhen([&](const Picture& p) {
        return Count(p, p.Centre(0.4), IsGreen) < greenLogo / 10;
    }, 20000);
    EXPECT_LT(Count(logoChanged, logoChanged.Centre(0.4), IsGreen), greenLogo / 10);
    EXPECT_GT(Count(logoChanged, logoChanged.Centre(0.4), NotBlack), 1000);

    // Keypad 0: the backdrop turns from sky to grass.
    PostMessageA(saver.Window(), WM_KEYDOWN, VK_NUMPAD0, 0);
    const Picture backChanged = CaptureWhen([&](const Picture& p) {
        return CountInBorder(p, kBorder, IsGreen) > border * 9 / 10;
    }, 20000);
    EXPECT_GT(CountInBorder(backChanged, kBorder, IsGreen), border * 9 / 10);
    EXPECT_EQ(CountInBorder(backChanged, kBorder, IsBlueSky), 0);

    // Escape ends the run at once, and the choices are saved.
    PostMessageA(saver.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(saver.Process().Wait(30000), 0u);
    DWORD back = 99, icon = 99;
    EXPECT_TRUE(wt::ReadDword(HKEY_CURRENT_USER, kSettingsKey, "Back Texture", back));
    EXPECT_TRUE(wt::ReadDword(HKEY_CURRENT_USER, kSettingsKey, "Icon Texture", icon));
    EXPECT_EQ(back, 1u);
    EXPECT_EQ(icon, 2u);
}
