// Uninstall's removal steps called directly after a real install, each test in a fresh
// prefix: what goes, what must stay, and the progress.
#include "install_checks.h"
#include "install_steps.h"
#include "removal_steps.h"
#include "wine_test.h"

#include <gtest/gtest.h>

namespace {

const char kMedium[] = "C:\\medium\\";
const char kInstallDir[] = "C:\\Program Files\\Whirlmark\\";

struct Silent : setup::InstallFeedback {
    void SetProgress(int) override {}
    void ReportError(const std::string& text) override { ADD_FAILURE() << text; }
};

struct Recorder : uninstall::RemovalFeedback {
    std::vector<int> progress;
    void SetProgress(int position) override { progress.push_back(position); }
};

class RemovalSteps : public ::testing::Test {
protected:
    void SetUp() override {
        programs_ = ic::CommonPrograms() + "Whirlmark\\";
        ic::MakeFolders(kMedium);
        for (const char* name : {"Whirlmark.scr", "Uninstall.exe", "license.txt", "readme.txt"})
            ASSERT_TRUE(ic::WriteBytes(std::string(kMedium) + name, name));
    }

    std::vector<std::string> Files() {
        return ic::Snapshot({"C:\\Program Files", ic::CommonPrograms(), ic::SystemDir()});
    }

    void Install() {
        Silent silent;
        setup::CarryOutInstall(
            setup::MakeInstallPlan({kMedium, ic::SystemDir(), kInstallDir, programs_, true}), silent);
        ASSERT_TRUE(ic::FileExists(programs_ + "Uninstall.lnk"));
    }

    Recorder Remove(const std::string& installDir, const std::string& programFolder) {
        Recorder r;
        uninstall::CarryOutRemoval(
            uninstall::MakeRemovalPlan({ic::SystemDir(), installDir, programFolder}), r);
        return r;
    }

    std::string programs_;
};

}  // namespace

TEST_F(RemovalSteps, InstallThenRemoveLeavesTheMachineAsItWas) {
    std::vector<std::string> files = Files();
    std::string keys = ic::DumpKey("Software\\Brindlecroft");
    std::string entry = ic::SaverEntry();

    Install();
    Recorder r = Remove(kInstallDir, programs_);

    EXPECT_EQ(r.progress, (std::vector<int>{0, 30, 90, 100}));
    EXPECT_EQ(Files(), files);
    // Only the maker's key stays behind, empty.
    EXPECT_EQ(ic::DumpKey("Software\\Brindlecroft"), keys.empty() ? "Software\\Brindlecroft\n" : keys);
    EXPECT_EQ(ic::SaverEntry(), entry == "<none>" ? "" : entry);
}

TEST_F(RemovalSteps, UserContentAndOtherProductsSurvive) {
    Install();
    ASSERT_TRUE(ic::WriteBytes(std::string(kInstallDir) + "notes.txt", "mine"));
    ASSERT_TRUE(ic::WriteBytes(programs_ + "Other.lnk", "not ours"));
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Fernspiral\\2.0", &key), ERROR_SUCCESS);
    RegSetValueExA(key, "Colour", 0, REG_SZ, reinterpret_cast<const BYTE*>("red"), 4);
    RegCloseKey(key);

    Remove(kInstallDir, programs_);

    EXPECT_TRUE(ic::FileExists(std::string(kInstallDir) + "notes.txt"));
    EXPECT_FALSE(ic::FileExists(std::string(kInstallDir) + "license.txt"));
    EXPECT_FALSE(ic::FileExists(std::string(kInstallDir) + "Uninstall.exe"));
    EXPECT_TRUE(ic::FileExists(programs_ + "Other.lnk"));
    EXPECT_FALSE(ic::FileExists(programs_ + "Readme.lnk"));
    std::string value;
    EXPECT_TRUE(wt::ReadString(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Fernspiral\\2.0", "Colour", value));
    EXPECT_FALSE(ic::KeyExists("Software\\Brindlecroft\\Whirlmark"));
}

TEST_F(RemovalSteps, UnreadLocationsDeleteNothingInTheCurrentDirectory) {
    Install();
    const std::string here = "C:\\decoys\\";
    ic::MakeFolders(here);
    const char* decoys[] = {"license.txt", "readme.txt", "Uninstall.exe", "Uninstall.lnk",
                            "Readme.lnk", "License.lnk"};
    for (const char* name : decoys) ASSERT_TRUE(ic::WriteBytes(here + name, "decoy"));
    ASSERT_TRUE(SetCurrentDirectoryA(here.c_str()));

    Recorder r = Remove("", "");

    for (const char* name : decoys) EXPECT_TRUE(ic::FileExists(here + name)) << name;
    EXPECT_TRUE(ic::FolderExists(here));
    EXPECT_TRUE(ic::FileExists(std::string(kInstallDir) + "readme.txt"));  // not known, so kept
    // The registry and system.ini steps need no path.
    EXPECT_FALSE(ic::KeyExists("Software\\Brindlecroft\\Whirlmark"));
    EXPECT_EQ(ic::SaverEntry(), "");
    EXPECT_FALSE(ic::FileExists(ic::SystemDir() + "whirlmark.scr"));
    EXPECT_EQ(r.progress, (std::vector<int>{0, 30, 90, 100}));
}

TEST_F(RemovalSteps, AnotherSelectedSaverIsLeftAlone) {
    Install();
    ic::SetSaverEntry("C:\\windows\\system32\\other.scr");
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);
    Remove(kInstallDir, programs_);
    EXPECT_EQ(ic::SaverEntry(), "C:\\windows\\system32\\other.scr");
    EXPECT_EQ(ic::ScreenSaverSwitch(), "0");
}

TEST_F(RemovalSteps, LongFormOfTheSaverEntryIsRecognisedToo) {
    Install();
    ic::SetSaverEntry((ic::SystemDir() + "WHIRLMARK.SCR").c_str());
    Remove(kInstallDir, programs_);
    EXPECT_EQ(ic::SaverEntry(), "");
}
