// Art that lacks the logo's bitmap: the saver traces it, draws the logo untextured in
// front of the textured backdrop, and still closes on a key.
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
    const scene_run::KeyClosedRun run = scene_run::RunUntilAKey(settings);
    const Picture& picture = run.picture;
    EXPECT_LT(run.ticks, 12) << "the key did not close the saver";
    ASSERT_FALSE(picture.Empty());
    EXPECT_GT(CountInBorder(picture, 0.1, IsBlueSky), 1000);
    const Box centre = picture.Centre(0.4);
    EXPECT_EQ(Count(picture, centre, IsGreen), 0);
    EXPECT_GT(Count(picture, centre, IsLitWhite), 300);
    EXPECT_NE(scene_run::Traces().find("bitmap 117"), std::string::npos) << scene_run::Traces();
}
