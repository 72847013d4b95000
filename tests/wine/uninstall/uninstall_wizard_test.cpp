// The real Uninstall.exe under Wine after the real Setup, each test in a fresh prefix:
// the install-remove round trip, what must survive, and an unreadable install location.
#include "install_checks.h"
#include "install_layout.h"
#include "setup_driver.h"
#include "uninstall_driver.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char kInstallDir[] = "C:\\Program Files\\Whirlmark\\";
const char kMaker[] = "Software\\Brindlecroft";
const std::vector<int> kRemovalProgress{0, 30, 90, 100};

class UninstallWizard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), st::kMedium));
        programs_ = ic::CommonPrograms() + "Whirlmark\\";
        SetCurrentDirectoryA("C:\\");
    }

    std::vector<std::string> Files() {
        return ic::Snapshot({"C:\\Program Files", ic::CommonPrograms(), ic::SystemDir()});
    }

    void Install() {
        wt::WizardRun run = st::DriveSetup({});
        ASSERT_TRUE(run.completed);
        ASSERT_TRUE(run.boxes.empty()) << run.boxes.front();
        ASSERT_TRUE(ic::FileExists(programs_ + layout::kShortcuts[0].link));
    }

    // A copy of the installed Uninstall.exe outside the install folder.
    std::string CopyOutside() {
        ic::MakeFolders("C:\\elsewhere");
        EXPECT_TRUE(CopyFileA((kInstallDir + std::string(layout::kUninstaller)).c_str(),
                              "C:\\elsewhere\\Uninstall.exe", FALSE));
        return "C:\\elsewhere\\Uninstall.exe";
    }

    // From the welcome page to "Close"; `shots` names the screenshots taken on the way.
    static wt::WizardRun Remove(wt::Wizard& w, const char* shots = nullptr) {
        return ut::DriveUninstall(w, [&](wt::Wizard& wizard, int page) {
            if (shots) {
                EXPECT_TRUE(wt::Screenshot(std::string(shots) + (page == ut::kWelcome ? "-welcome" : "-complete")));
            }
            if (page == ut::kWelcome) {
                EXPECT_FALSE(wizard.GetButton(wt::kBack).enabled);  // nothing to go back to
            }
            return true;
        });
    }

    void ExpectCleanRun(const wt::WizardRun& run) {
        EXPECT_TRUE(run.completed);
        EXPECT_TRUE(run.boxes.empty()) << run.boxes.front();
        EXPECT_EQ(run.progress, kRemovalProgress);
        EXPECT_EQ(run.finalPosition, 100);
        EXPECT_TRUE(run.closeOnly);
        EXPECT_EQ(run.exitCode, 0u);
    }

    static std::string Entry() {  // the default-saver entry, absent and empty alike
        std::string entry = ic::SaverEntry();
        return entry == "<none>" ? std::string() : entry;
    }

    std::string programs_;
};

}  // namespace

TEST_F(UninstallWizard, RoundTripThroughTheInstalledShortcut) {
    std::vector<std::string> files = Files();
    std::string keys = ic::DumpKey(kMaker);
    std::string entry = Entry();

    Install();
    SHELLEXECUTEINFOA run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_FLAG_NO_UI;
    run.lpVerb = "open";
    std::string link = programs_ + layout::kShortcuts[0].link;
    run.lpFile = link.c_str();
    run.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExA(&run));
    wt::Wizard w("Uninstall");
    ASSERT_TRUE(w.Attach());
    const wt::WizardRun removal = Remove(w, "uninstall/round-trip");
    ExpectCleanRun(removal);
    // A running program's file cannot be deleted: Uninstall.exe and its folder stay, and
    // nothing else of the installation, until the next restart removes both. The
    // completion page says so.
    EXPECT_EQ(removal.details, "Uninstall.exe and its folder are removed when Windows next restarts.");
    std::vector<std::string> scheduled = ic::PendingRemovals();
    ASSERT_EQ(scheduled.size(), 2u);
    EXPECT_STRCASEEQ(scheduled[0].c_str(), (kInstallDir + std::string(layout::kUninstaller)).c_str());
    EXPECT_STRCASEEQ(scheduled[1].c_str(), std::string(kInstallDir, sizeof kInstallDir - 2).c_str());
    std::vector<std::string> after = Files();
    std::vector<std::string> left;
    for (const std::string& f : after)
        if (std::find(files.begin(), files.end(), f) == files.end()) left.push_back(f);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0], kInstallDir);
    EXPECT_EQ(left[1].rfind(std::string(kInstallDir) + "Uninstall.exe ", 0), 0u) << left[1];
    for (const std::string& f : files)
        EXPECT_NE(std::find(after.begin(), after.end(), f), after.end()) << "lost " << f;
    // The maker's key goes too when this product made it and nothing else is in it.
    EXPECT_EQ(ic::DumpKey(kMaker), keys);
    EXPECT_EQ(Entry(), entry);
}

TEST_F(UninstallWizard, RunFromACopyOutsideRemovesTheInstallFolderToo) {
    Install();
    wt::Wizard w("Uninstall");
    ASSERT_TRUE(w.Start(CopyOutside(), "C:\\elsewhere"));
    ExpectCleanRun(Remove(w));
    EXPECT_FALSE(ic::FolderExists(kInstallDir));
    EXPECT_FALSE(ic::FolderExists(programs_));
    EXPECT_FALSE(ic::FileExists(ic::SystemDir() + layout::kSaverFileLower));
    EXPECT_FALSE(ic::KeyExists("Software\\Brindlecroft\\Whirlmark"));
    EXPECT_FALSE(ic::KeyExists(kMaker));  // made by Setup, and empty
    EXPECT_EQ(ic::SaverEntry(), "<none>");  // there was none before
}

TEST_F(UninstallWizard, WhatIsNotOursSurvives) {
    Install();
    ASSERT_TRUE(ic::WriteBytes(std::string(kInstallDir) + "my notes.txt", "mine"));
    ASSERT_TRUE(ic::WriteBytes(programs_ + "Other.lnk", "another program's shortcut"));
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Fernspiral\\2.0", &key), ERROR_SUCCESS);
    RegSetValueExA(key, "Colour", 0, REG_SZ, reinterpret_cast<const BYTE*>("red"), 4);
    RegCloseKey(key);
    ic::SetSaverEntry("C:\\windows\\system32\\other.scr");

    wt::Wizard w("Uninstall");
    ASSERT_TRUE(w.Start(CopyOutside(), "C:\\elsewhere"));
    ExpectCleanRun(Remove(w));

    EXPECT_TRUE(ic::FileExists(std::string(kInstallDir) + "my notes.txt"));
    EXPECT_EQ(ic::Snapshot({kInstallDir}).size(), 1u);
    EXPECT_TRUE(ic::FileExists(programs_ + "Other.lnk"));
    EXPECT_EQ(ic::Snapshot({programs_}).size(), 1u);
    std::string value;
    EXPECT_TRUE(wt::ReadString(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Fernspiral\\2.0", "Colour", value));
    EXPECT_EQ(value, "red");
    EXPECT_FALSE(ic::KeyExists("Software\\Brindlecroft\\Whirlmark"));
    EXPECT_EQ(ic::SaverEntry(), "C:\\windows\\system32\\other.scr");
}

TEST_F(UninstallWizard, MissingProductKeyWarnsTwiceAndDeletesNothingByName) {
    Install();
    for (const char* key : {layout::kSettingsKey,
                            "Software\\Brindlecroft\\Whirlmark\\1.0", "Software\\Brindlecroft\\Whirlmark"})
        ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, key), ERROR_SUCCESS) << key;
    const std::string here = "C:\\decoys\\";
    ic::MakeFolders(here);
    const char* decoys[] = {"license.txt", "readme.txt", "Uninstall.exe", "Uninstall.lnk",
                            "Readme.lnk", "License.lnk"};
    for (const char* name : decoys) ASSERT_TRUE(ic::WriteBytes(here + name, "decoy"));
    std::vector<std::string> installed = ic::Snapshot({kInstallDir, programs_});

    wt::Wizard w("Uninstall");
    w.boxShots = "uninstall/missing-key";
    ASSERT_TRUE(w.Start(CopyOutside(), here));
    EXPECT_EQ(w.boxes, std::vector<std::string>(2, "error reading from registry"));  // before the wizard
    wt::WizardRun run = Remove(w);
    EXPECT_TRUE(run.completed);
    EXPECT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.progress, kRemovalProgress);

    for (const char* name : decoys) EXPECT_TRUE(ic::FileExists(here + name)) << name;
    EXPECT_EQ(ic::Snapshot({kInstallDir, programs_}), installed);
    // The steps that need no recorded path still run.
    EXPECT_FALSE(ic::FileExists(ic::SystemDir() + layout::kSaverFileLower));
    EXPECT_EQ(Entry(), "");
    EXPECT_TRUE(ic::KeyExists(kMaker));
}
