// Art that lacks the logo's bitmap: the saver traces it, draws the logo untextured in
// front of the textured backdrop, and still closes on a key.
#include "saver_globals.h"
#include "saver_run.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
bool IsLitWhite(const Rgb& p) {
    return p.r > 60 && std::abs(p.r - p.g) < 30 && std::abs(p.g - p.b) < 30;
}
}  // namespace

TEST(MissingBitmap, ItsSlotIsDrawnUntexturedAndAKeyStillCloses) {
    SaverSettings settings;
    settings.speedX = settings.speedY = settings.speedZ = 0;
    Picture picture;
    const int ticks = scene_run::RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        if (tick == 3) {
            picture = scene_run::ReadSaverWindow();
            PostMessageA(SaverWindow(), WM_KEYDOWN, VK_SPACE, 0);
        }
        return tick < 12;
    });
    EXPECT_LT(ticks, 12) << "the key did not close the saver";
    ASSERT_FALSE(picture.Empty());
    EXPECT_GT(CountInBorder(picture, 0.1, IsBlueSky), 1000);
    const Box centre = picture.Centre(0.4);
    EXPECT_EQ(Count(picture, centre, IsGreen), 0);
    EXPECT_GT(Count(picture, centre, IsLitWhite), 300);
    EXPECT_NE(scene_run::Traces().find("bitmap 117"), std::string::npos) << scene_run::Traces();
}
