// Art without the model: the saver traces it, draws an empty black scene and still
// closes on a key.
#include "saver_run.h"

#include <gtest/gtest.h>

TEST(MissingModel, TheSaverDrawsNothingAndAKeyStillCloses) {
    SaverSettings settings;
    const scene_run::KeyClosedRun run = scene_run::RunUntilAKey(settings);
    const Picture& picture = run.picture;
    EXPECT_LT(run.ticks, 12) << "the key did not close the saver";
    ASSERT_FALSE(picture.Empty());
    const Box all{0, 0, picture.width, picture.height};
    EXPECT_EQ(Count(picture, all, [](const Rgb& p) { return !IsBlack(p); }), 0);
    EXPECT_NE(scene_run::Traces().find("Unable to open the 3DS resource"), std::string::npos)
        << scene_run::Traces();
}
