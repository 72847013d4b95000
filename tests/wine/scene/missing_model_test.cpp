// Art without the model: the saver traces it, draws an empty black scene and still
// closes on a key.
#include "saver_globals.h"
#include "saver_run.h"

#include <gtest/gtest.h>

TEST(MissingModel, TheSaverDrawsNothingAndAKeyStillCloses) {
    SaverSettings settings;
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
    const Box all{0, 0, picture.width, picture.height};
    EXPECT_EQ(Count(picture, all, [](const Rgb& p) { return !IsBlack(p); }), 0);
    EXPECT_NE(scene_run::Traces().find("Unable to open the 3DS resource"), std::string::npos)
        << scene_run::Traces();
}
