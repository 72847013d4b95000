// The saver in use (its configuration dialog open, as in Display Properties) while
// Setup upgrades it and while Uninstall removes it, under Wine in a fresh prefix each:
// both finish what can be finished, leave the rest to the next restart and exit with
// 3010; after the restart the upgrade is whole, and after the removal and a restart the
// machine is as it was before Setup.
#include "install_checks.h"
#include "machine_snapshot.h"
#include "wine_test.h"

#include <gtest/gtest.h>

namespace {

const char kMedium[] = "C:\\medium\\";
const char kLog[] = "C:\\medium\\run.log";
const char kDir[] = "C:\\Program Files\\Whirlmark\\";

class FilesInUse : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kMedium));
        before_ = Machine();
        ASSERT_EQ(Run(std::string(kMedium) + "Setup.exe", "/S"), 0u);
        saver_ = ic::SystemDir() + "Whirlmark.scr";
    }

    static DWORD Run(const std::string& program, const std::string& arguments) {
        DeleteFileA(kLog);
        wt::Process p = wt::Launch("\"" + program + "\" " + arguments + " /LOG=" + kLog, "C:\\");
        return p.Valid() ? p.Wait(60000) : 99;
    }
    static std::string Log() {
        std::string text;
        ic::ReadBytes(kLog, text);
        return text;
    }
    static std::string Machine() { return ic::MachineState({"C:\\medium"}); }

    // Starts the installed saver's configuration dialog; true once it shows.
    bool StartSaver() {
        running_ = wt::Launch("\"" + saver_ + "\" /c", "C:\\");
        return running_.Valid() && wt::WaitForWindow("#32770", nullptr, running_.Id(), 20000) != nullptr;
    }
    void StopSaver() {
        running_.Kill();
        running_.Wait(10000);
    }

    std::string before_, saver_;
    wt::Process running_;
};

}  // namespace

TEST_F(FilesInUse, UpgradeOverTheRunningSaverIsFinishedByTheRestart) {
    // The new medium's saver differs from the installed one.
    std::string fresh;
    ASSERT_TRUE(ic::ReadBytes(std::string(kMedium) + "Whirlmark.scr", fresh));
    fresh += "second edition";
    ASSERT_TRUE(ic::WriteBytes(std::string(kMedium) + "Whirlmark.scr", fresh));
    ASSERT_TRUE(StartSaver());
    EXPECT_EQ(Run(std::string(kMedium) + "Setup.exe", "/S"), 3010u) << Log();
    EXPECT_NE(Log().find("Windows must be restarted to finish the installation"), std::string::npos) << Log();
    StopSaver();
    EXPECT_TRUE(ic::Restart());
    std::string installed;
    EXPECT_TRUE(ic::ReadBytes(saver_, installed));
    EXPECT_TRUE(installed == fresh) << "the new saver is not in place after the restart";
    for (const std::string& f : ic::Snapshot({ic::SystemDir()})) EXPECT_EQ(f.find("~whirl"), std::string::npos) << f;

    EXPECT_EQ(Run(std::string(kDir) + "Uninstall.exe", "/S"), 0u) << Log();
    EXPECT_TRUE(ic::Restart());
    EXPECT_EQ(Machine(), before_);
}

TEST_F(FilesInUse, RemovalOfTheRunningSaverIsFinishedByTheRestart) {
    ASSERT_TRUE(StartSaver());
    EXPECT_EQ(Run(std::string(kDir) + "Uninstall.exe", "/S"), 3010u) << Log();
    EXPECT_NE(Log().find("remove " + saver_ + " at the next restart: it is in use"), std::string::npos) << Log();
    EXPECT_NE(Log().find("Windows must be restarted to finish the removal"), std::string::npos) << Log();
    StopSaver();
    EXPECT_TRUE(ic::Restart());
    EXPECT_EQ(Machine(), before_);
}
