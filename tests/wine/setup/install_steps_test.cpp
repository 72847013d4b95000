// Setup's install steps called directly, in a fresh prefix each, for the cases the wizard
// cannot easily reach: a saver that could not be copied and an over-long destination.
#include "install_checks.h"
#include "install_steps.h"
#include "machine_snapshot.h"

#include <gtest/gtest.h>

namespace {

const char kMedium[] = "C:\\medium\\";

struct Recorder : setup::InstallFeedback {
    std::vector<int> progress;
    std::vector<std::string> errors;
    void SetProgress(int position) override { progress.push_back(position); }
    void ReportError(const std::string& text) override { errors.push_back(text); }
};

class InstallSteps : public ::testing::Test {
protected:
    void SetUp() override {
        ic::MakeFolders(kMedium);
        for (const char* name : {"Whirlmark.scr", "Uninstall.exe", "license.txt", "readme.txt"})
            ASSERT_TRUE(ic::WriteBytes(std::string(kMedium) + name, name));
    }

    Recorder Install(const std::string& installDir) {
        Recorder r;
        setup::CarryOutInstall(setup::PlanForThisMachine({kMedium, ic::SystemDir(), installDir,
                                                          ic::CommonPrograms() + "Whirlmark\\", true}),
                               r);
        return r;
    }
};

}  // namespace

TEST_F(InstallSteps, SaverThatCouldNotBeCopiedUndoesTheInstallAndKeepsTheDefault) {
    ASSERT_TRUE(DeleteFileA((std::string(kMedium) + "Whirlmark.scr").c_str()));
    ic::SetSaverEntry("C:\\windows\\system32\\other.scr");
    const std::string before = ic::MachineState({"C:\\medium"});
    Recorder r = Install("C:\\Program Files\\Whirlmark\\");
    EXPECT_EQ(r.errors, std::vector<std::string>{"Error while copying to " + ic::SystemDir() + "Whirlmark.scr"});
    EXPECT_EQ(r.progress, (std::vector<int>{0, 15, 30, 45, 60}));
    EXPECT_EQ(ic::SaverEntry(), "C:\\windows\\system32\\other.scr");
    EXPECT_EQ(ic::MachineState({"C:\\medium"}), before);
}

TEST_F(InstallSteps, OverlongDestinationFailsBeforeAnyChange) {
    const std::string dir = "C:\\" + std::string(300, 'x') + "\\";
    const std::string before = ic::MachineState({"C:\\medium"});
    Recorder r = Install(dir);
    EXPECT_TRUE(r.errors.empty());
    EXPECT_EQ(r.progress, (std::vector<int>{0}));
    EXPECT_EQ(ic::MachineState({"C:\\medium"}), before);
}
