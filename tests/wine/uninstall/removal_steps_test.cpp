// Uninstall's removal steps called directly, in a fresh prefix, for an entry the wizard
// tests do not make: the saver named in its long form.
#include "ansi_code_page.h"
#include "install_checks.h"
#include "removal_steps.h"

#include <gtest/gtest.h>

namespace {

struct Recorder : uninstall::RemovalFeedback {
    std::vector<int> progress;
    void SetProgress(int position) override { progress.push_back(position); }
};

}  // namespace

TEST(RemovalSteps, LongFormOfTheSaverEntryIsRecognisedToo) {
    ASSERT_TRUE(ic::WriteBytes(ic::SystemDir() + "whirlmark.scr", "saver"));
    ic::SetSaverEntry((ic::SystemDir() + "WHIRLMARK.SCR").c_str());
    Recorder r;
    uninstall::CarryOutRemoval(uninstall::MakeRemovalPlan({ic::SystemDir(), "", ""}, product::IsAnsiLeadByte), r);
    EXPECT_EQ(ic::SaverEntry(), "");
    EXPECT_FALSE(ic::FileExists(ic::SystemDir() + "whirlmark.scr"));
    EXPECT_EQ(r.progress, (std::vector<int>{0, 30, 90, 100}));
}
