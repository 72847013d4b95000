// Setup's install steps called directly, in a fresh prefix each, for the cases the wizard
// cannot easily reach: a saver that could not be copied and an over-long destination.
#include "install_checks.h"
#include "install_steps.h"

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

TEST_F(InstallSteps, SaverThatCouldNotBeCopiedIsNotMadeTheDefault) {
    ASSERT_TRUE(DeleteFileA((std::string(kMedium) + "Whirlmark.scr").c_str()));
    ic::SetSaverEntry("C:\\windows\\system32\\other.scr");
    Recorder r = Install("C:\\Program Files\\Whirlmark\\");
    EXPECT_EQ(r.errors, std::vector<std::string>{"Error while copying to " + ic::SystemDir() + "Whirlmark.scr"});
    EXPECT_EQ(ic::SaverEntry(), "C:\\windows\\system32\\other.scr");
}

TEST_F(InstallSteps, OverlongDestinationGivesCopyErrors) {
    const std::string dir = "C:\\" + std::string(300, 'x') + "\\";
    Recorder r = Install(dir);
    EXPECT_EQ(r.errors, (std::vector<std::string>{"Error while copying to " + dir + "Uninstall.exe",
                                                  "Error while copying to " + dir + "license.txt",
                                                  "Error while copying to " + dir + "readme.txt"}));
    EXPECT_EQ(r.progress, (std::vector<int>{0, 15, 30, 45, 60, 75, 90, 100}));
}
