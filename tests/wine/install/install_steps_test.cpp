// Setup's install steps called directly with chosen paths, each test in a fresh prefix:
// what lands on the machine, the progress, and the errors a user would see.
#include "install_checks.h"
#include "install_steps.h"
#include "wine_test.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char kMedium[] = "C:\\medium\\";
const char* kFiles[] = {"Whirlmark.scr", "Uninstall.exe", "license.txt", "readme.txt"};
const char kSettings[] = "Software\\Brindlecroft\\Whirlmark\\1.0\\Settings";

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
        for (const char* name : kFiles)
            ASSERT_TRUE(ic::WriteBytes(std::string(kMedium) + name, std::string("medium copy of ") + name));
        programs_ = ic::CommonPrograms() + "Whirlmark\\";
    }

    setup::InstallPlan Plan(const std::string& installDir, bool defaultSaver = true) {
        setup::InstallChoices c{kMedium, ic::SystemDir(), installDir, programs_, defaultSaver};
        return setup::MakeInstallPlan(c);
    }

    Recorder Install(const setup::InstallPlan& plan) {
        Recorder r;
        setup::CarryOutInstall(plan, r);
        return r;
    }

    void ExpectInstalledCopy(const std::string& path, const char* name) {
        std::string installed, medium;
        EXPECT_TRUE(ic::ReadBytes(path, installed)) << path;
        ASSERT_TRUE(ic::ReadBytes(std::string(kMedium) + name, medium));
        EXPECT_EQ(installed, medium) << path;
    }

    void ExpectShortcut(const char* link, const std::string& target, const char* description) {
        ic::Link l;
        ASSERT_TRUE(ic::LoadShortcut(programs_ + link, l)) << link;
        EXPECT_STRCASEEQ(l.target.c_str(), target.c_str());
        EXPECT_EQ(l.description, description);
    }

    std::string programs_;
};

}  // namespace

TEST_F(InstallSteps, FreshMachineGetsEveryItemAndTheFullProgress) {
    const std::string dir = "C:\\Alpha\\Beta\\Gamma\\";  // three new levels
    Recorder r = Install(Plan(dir));

    EXPECT_TRUE(r.errors.empty()) << r.errors.front();
    EXPECT_EQ(r.progress, (std::vector<int>{0, 15, 30, 45, 60, 75, 90, 100}));
    ExpectInstalledCopy(ic::SystemDir() + "Whirlmark.scr", "Whirlmark.scr");
    for (const char* name : {"Uninstall.exe", "license.txt", "readme.txt"})
        ExpectInstalledCopy(dir + name, name);

    std::string value;
    EXPECT_TRUE(wt::ReadString(HKEY_CURRENT_USER, kSettings, "DataRoot", value));
    EXPECT_EQ(value, dir);
    EXPECT_TRUE(wt::ReadString(HKEY_CURRENT_USER, kSettings, "ProgramFolder", value));
    EXPECT_EQ(value, programs_);

    ExpectShortcut("Uninstall.lnk", dir + "Uninstall.exe", "uninstall");
    ExpectShortcut("Readme.lnk", dir + "readme.txt", "Readme");
    ExpectShortcut("License.lnk", dir + "license.txt", "License");

    std::string shortPath = ic::ShortPath(ic::SystemDir() + "whirlmark.scr");
    ASSERT_FALSE(shortPath.empty());
    EXPECT_EQ(ic::SaverEntry(), shortPath);
    EXPECT_EQ(ic::ScreenSaverSwitch(), "1");
}

TEST_F(InstallSteps, MissingReadmeGivesOneCopyErrorAndEverythingElseIsDone) {
    ASSERT_TRUE(DeleteFileA((std::string(kMedium) + "readme.txt").c_str()));
    const std::string dir = "C:\\Program Files\\Whirlmark\\";
    Recorder r = Install(Plan(dir));

    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0], "Error while copying to " + dir + "readme.txt");
    EXPECT_TRUE(ic::FileExists(dir + "license.txt"));
    std::string value;
    EXPECT_TRUE(wt::ReadString(HKEY_CURRENT_USER, kSettings, "DataRoot", value));
    EXPECT_EQ(ic::SaverEntry(), ic::ShortPath(ic::SystemDir() + "whirlmark.scr"));
    for (const char* link : {"Uninstall.lnk", "Readme.lnk", "License.lnk"})
        EXPECT_TRUE(ic::FileExists(programs_ + link)) << link;
}

TEST_F(InstallSteps, ClearedOptionLeavesSystemIniAndTheSwitchAlone) {
    ic::SetSaverEntry("C:\\windows\\system32\\other.scr");
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);
    std::string before;
    ASSERT_TRUE(ic::ReadBytes("C:\\windows\\system.ini", before));

    Recorder r = Install(Plan("C:\\Program Files\\Whirlmark\\", false));
    EXPECT_TRUE(r.errors.empty());
    std::string after;
    ASSERT_TRUE(ic::ReadBytes("C:\\windows\\system.ini", after));
    EXPECT_EQ(after, before);
    EXPECT_EQ(ic::ScreenSaverSwitch(), "0");
}

TEST_F(InstallSteps, SaverThatCouldNotBeCopiedIsNotMadeTheDefault) {
    ASSERT_TRUE(DeleteFileA((std::string(kMedium) + "Whirlmark.scr").c_str()));
    ic::SetSaverEntry("C:\\windows\\system32\\other.scr");
    Recorder r = Install(Plan("C:\\Program Files\\Whirlmark\\"));
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0], "Error while copying to " + ic::SystemDir() + "Whirlmark.scr");
    EXPECT_EQ(ic::SaverEntry(), "C:\\windows\\system32\\other.scr");
}

TEST_F(InstallSteps, DriveRootMakesNoFolder) {
    std::vector<std::string> before = ic::Snapshot({"C:\\"});
    Recorder r = Install(Plan("C:\\", false));
    EXPECT_TRUE(r.errors.empty());
    std::vector<std::string> after = ic::Snapshot({"C:\\"});
    for (const std::string& entry : after) {
        bool isNewFolder = entry.back() == '\\' && entry.rfind(programs_, 0) != 0 &&
                           std::find(before.begin(), before.end(), entry) == before.end();
        EXPECT_FALSE(isNewFolder) << entry;
    }
    ExpectInstalledCopy("C:\\readme.txt", "readme.txt");
}

TEST_F(InstallSteps, TwoNewProgramFolderLevelsGetNoShortcuts) {
    programs_ = ic::CommonPrograms() + "Games\\Whirlmark\\";
    Recorder r = Install(Plan("C:\\Program Files\\Whirlmark\\"));
    EXPECT_TRUE(r.errors.empty());  // shortcuts fail without a message
    EXPECT_FALSE(ic::FolderExists(ic::CommonPrograms() + "Games"));
    std::string value;
    EXPECT_TRUE(wt::ReadString(HKEY_CURRENT_USER, kSettings, "ProgramFolder", value));
    EXPECT_EQ(value, programs_);
}

TEST_F(InstallSteps, SecondInstallOverwritesWithoutError) {
    const std::string dir = "C:\\Program Files\\Whirlmark\\";
    EXPECT_TRUE(Install(Plan(dir)).errors.empty());
    for (const char* name : kFiles)
        ASSERT_TRUE(ic::WriteBytes(std::string(kMedium) + name, std::string("second medium ") + name));
    ASSERT_TRUE(ic::WriteBytes(programs_ + "Readme.lnk", "damaged"));

    Recorder r = Install(Plan(dir));
    EXPECT_TRUE(r.errors.empty());
    ExpectInstalledCopy(ic::SystemDir() + "Whirlmark.scr", "Whirlmark.scr");
    for (const char* name : {"Uninstall.exe", "license.txt", "readme.txt"})
        ExpectInstalledCopy(dir + name, name);
    ExpectShortcut("Readme.lnk", dir + "readme.txt", "Readme");
}

TEST_F(InstallSteps, OverlongDestinationGivesCopyErrors) {
    const std::string dir = "C:\\" + std::string(300, 'x') + "\\";
    Recorder r = Install(Plan(dir));
    ASSERT_EQ(r.errors.size(), 3u);
    EXPECT_EQ(r.errors[0], "Error while copying to " + dir + "Uninstall.exe");
    EXPECT_EQ(r.errors[2], "Error while copying to " + dir + "readme.txt");
    EXPECT_EQ(r.progress.back(), 100);
}

TEST_F(InstallSteps, RegistryLevelThatCannotBeCreatedIsReportedAndTheInstallGoesOn) {
    // A volatile "Whirlmark" key cannot hold the non-volatile "1.0" below it.
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Whirlmark", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);

    Recorder r = Install(Plan("C:\\Program Files\\Whirlmark\\"));
    EXPECT_EQ(r.errors, (std::vector<std::string>(2, "error writing to registry")));
    EXPECT_EQ(r.progress.back(), 100);
    EXPECT_TRUE(ic::FileExists(programs_ + "License.lnk"));
    EXPECT_EQ(ic::SaverEntry(), ic::ShortPath(ic::SystemDir() + "whirlmark.scr"));
}
