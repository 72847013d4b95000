// The real Setup.exe driven through its wizard under Wine, each test in a fresh prefix,
// then the machine inspected: files, registry, shortcuts, system.ini, progress, boxes.
#include "install_checks.h"
#include "install_layout.h"
#include "machine_snapshot.h"
#include "setup_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using st::kMedium;
const char kDefaultDir[] = "C:\\Program Files\\Whirlmark\\";
const char* const kSettings = layout::kSettingsKey;
const char* const kInstalled[] = {layout::kUninstaller, layout::kLicense, layout::kReadme};
const std::vector<int> kFullProgress{0, 15, 30, 45, 60, 75, 90, 100};

// The folders directly in C:\.
std::vector<std::string> TopFolders() {
    std::vector<std::string> folders;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA("C:\\*", &data);
    if (find == INVALID_HANDLE_VALUE) return folders;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) folders.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(folders.begin(), folders.end());
    return folders;
}

class SetupWizard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kMedium)) << ic::BuiltMedium();
        programs_ = ic::CommonPrograms() + "Whirlmark\\";
    }

    // Setup through every page; `clean` tells whether every step is to succeed.
    wt::WizardRun Run(st::SetupChoices choices = {}, bool clean = true) {
        wt::WizardRun run = st::DriveSetup(choices);
        EXPECT_EQ(run.completed, clean);
        EXPECT_EQ(run.incomplete, !clean);
        EXPECT_EQ(run.exitCode, clean ? 0u : 1u);
        return run;
    }

    void ExpectCopyOfMedium(const std::string& path, const char* name) {
        std::string installed, medium;
        EXPECT_TRUE(ic::ReadBytes(path, installed)) << path;
        ASSERT_TRUE(ic::ReadBytes(std::string(kMedium) + name, medium));
        EXPECT_TRUE(installed == medium) << path << " differs from the medium";
    }

    void ExpectShortcuts(const std::string& dir) {
        for (const layout::ShortcutEntry& l : layout::kShortcuts) {
            ic::Link link;
            ASSERT_TRUE(ic::LoadShortcut(programs_ + l.link, link)) << l.link;
            EXPECT_STRCASEEQ(link.target.c_str(), (dir + l.target).c_str());
            EXPECT_EQ(link.description, l.description);
        }
    }

    void ExpectSaverSelected() {
        std::string shortPath = ic::ShortPath(ic::SystemDir() + layout::kSaverFileLower);
        ASSERT_FALSE(shortPath.empty());
        EXPECT_EQ(ic::SaverEntry(), shortPath);
        EXPECT_EQ(ic::ScreenSaverSwitch(), "1");
    }

    // A REG_SZ value of the product's key; "<missing>" otherwise.
    static std::string Value(const char* name) {
        char data[1024] = "";
        DWORD size = sizeof data, type = 0;
        if (RegGetValueA(HKEY_CURRENT_USER, kSettings, name, RRF_RT_ANY | RRF_NOEXPAND, &type, data,
                         &size) != ERROR_SUCCESS || type != REG_SZ)
            return "<missing>";
        return data;
    }

    // The machine, without the medium and the probe's log.
    static std::string Machine() { return ic::MachineState({"C:\\medium", "C:\\progress.log"}); }

    std::string programs_;
};

}  // namespace

TEST_F(SetupWizard, FreshMachineGetsExactlyTheInstallation) {
    wt::WizardRun run = Run();
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.front();
    EXPECT_EQ(run.progress, kFullProgress);
    EXPECT_EQ(run.finalPosition, 100);
    EXPECT_TRUE(run.closeOnly);

    ExpectCopyOfMedium(ic::SystemDir() + layout::kSaverFile, layout::kSaverFile);
    for (const char* name : kInstalled)
        ExpectCopyOfMedium(kDefaultDir + std::string(name), name);
    EXPECT_EQ(ic::Snapshot({kDefaultDir}).size(), 4u);  // and the install record
    EXPECT_TRUE(ic::FileExists(std::string(kDefaultDir) + "Uninstall.rec"));

    EXPECT_EQ(Value(layout::kDataRootValue), kDefaultDir);
    EXPECT_EQ(Value(layout::kProgramFolderValue), programs_);
    std::string key = std::string(kSettings) + "\n" + kSettings + " : DataRoot (1) = " + kDefaultDir +
                      '\0' + "\n" + kSettings + " : ProgramFolder (1) = " + programs_ + '\0' + "\n";
    EXPECT_EQ(ic::DumpKey(kSettings), key);  // REG_SZ, zero counted, nothing else

    ExpectShortcuts(kDefaultDir);
    EXPECT_EQ(ic::Snapshot({programs_}).size(), 3u);
    ExpectSaverSelected();
}

TEST_F(SetupWizard, ClearedOptionLeavesSystemIniAndTheSwitchAlone) {
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);
    std::string before;
    ASSERT_TRUE(ic::ReadBytes("C:\\windows\\system.ini", before));

    st::SetupChoices choices;
    choices.defaultSaver = false;
    wt::WizardRun run = Run(choices);
    EXPECT_TRUE(run.boxes.empty());

    std::string after;
    ASSERT_TRUE(ic::ReadBytes("C:\\windows\\system.ini", after));
    EXPECT_EQ(after, before);
    EXPECT_EQ(ic::ScreenSaverSwitch(), "0");
    ExpectShortcuts(kDefaultDir);
}

TEST_F(SetupWizard, MissingReadmeGivesOneBoxUndoesEverythingAndExitCodeOne) {
    ASSERT_TRUE(DeleteFileA((std::string(kMedium) + "readme.txt").c_str()));
    const std::string before = Machine();
    wt::WizardRun run = Run({}, false);
    EXPECT_EQ(run.page, st::kIncomplete);
    EXPECT_NE(run.details.find("failed at: copy C:\\medium\\readme.txt to " + std::string(kDefaultDir) + "readme.txt"),
              std::string::npos) << run.details;
    EXPECT_NE(run.details.find("the computer was left as it was"), std::string::npos) << run.details;
    EXPECT_EQ(run.boxes, (std::vector<std::string>{"Error while copying to " + std::string(kDefaultDir) +
                                                   "readme.txt"}));
    EXPECT_EQ(Machine(), before);
    EXPECT_EQ(Value(layout::kDataRootValue), "<missing>");
    EXPECT_EQ(run.finalPosition, 15);
}

TEST_F(SetupWizard, DeepNewInstallFolderAndTwoLevelProgramFolder) {
    st::SetupChoices choices;
    choices.installDir = "C:\\Alpha\\Beta\\Gamma";  // the page adds the "\"
    choices.folderName = "Games\\Whirlmark";
    wt::WizardRun run = Run(choices);
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.front();

    for (const char* name : kInstalled)
        ExpectCopyOfMedium(std::string("C:\\Alpha\\Beta\\Gamma\\") + name, name);
    EXPECT_EQ(Value(layout::kDataRootValue), "C:\\Alpha\\Beta\\Gamma\\");
    // Every level of the program folder is made, so all three shortcuts are there.
    programs_ = ic::CommonPrograms() + "Games\\Whirlmark\\";
    EXPECT_EQ(Value(layout::kProgramFolderValue), programs_);
    ExpectShortcuts("C:\\Alpha\\Beta\\Gamma\\");
}

TEST_F(SetupWizard, BareDriveRootMakesNoFolder) {
    std::vector<std::string> before = TopFolders();
    st::SetupChoices choices;
    choices.installDir = "C:\\";
    wt::WizardRun run = Run(choices);
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.front();
    EXPECT_EQ(TopFolders(), before);
    for (const char* name : kInstalled)
        ExpectCopyOfMedium(std::string("C:\\") + name, name);
    EXPECT_EQ(Value(layout::kDataRootValue), "C:\\");
    ExpectShortcuts("C:\\");
}

TEST_F(SetupWizard, SecondInstallOverwritesWithoutError) {
    EXPECT_TRUE(Run().boxes.empty());
    std::string readme;
    ASSERT_TRUE(ic::ReadBytes(std::string(kMedium) + "readme.txt", readme));
    ASSERT_TRUE(ic::WriteBytes(std::string(kMedium) + "readme.txt", readme + "Second edition.\r\n"));
    ASSERT_TRUE(ic::WriteBytes(programs_ + "License.lnk", "damaged"));

    wt::WizardRun run = Run();
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.front();
    ExpectCopyOfMedium(std::string(kDefaultDir) + "readme.txt", "readme.txt");
    ExpectShortcuts(kDefaultDir);
    EXPECT_EQ(Value(layout::kDataRootValue), kDefaultDir);
}

TEST_F(SetupWizard, RegistryLevelThatCannotBeCreatedIsReportedAndEverythingIsUndone) {
    // A volatile "Whirlmark" key refuses the non-volatile "1.0" below it, and so
    // "Settings" has no parent either.
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Whirlmark", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    const std::string before = Machine();

    wt::WizardRun run = Run({}, false);
    EXPECT_EQ(run.boxes, std::vector<std::string>(1, "error writing to registry"));
    EXPECT_NE(run.details.find("failed at: create registry key HKCU\\Software\\Brindlecroft\\Whirlmark\\1.0"),
              std::string::npos) << run.details;
    EXPECT_EQ(Machine(), before);
    EXPECT_EQ(run.progress, (std::vector<int>{0, 15, 30, 45, 60, 75}));
}

TEST_F(SetupWizard, ForeignFileKeepsTheUserOnTheDestinationPageAndCancelExitsWithTwo) {
    ic::MakeFolders("C:\\Shared");
    ASSERT_TRUE(ic::WriteBytes("C:\\Shared\\readme.txt", "someone else's"));
    wt::Wizard w("Setup");
    ASSERT_TRUE(w.Start(std::string(kMedium) + "Setup.exe", kMedium));
    for (int page : {st::kWelcome, st::kLicense}) {
        ASSERT_TRUE(w.WaitForPage(st::kTitles[page]));
        w.Press(PSBTN_NEXT);
    }
    const std::string destination = st::kTitles[st::kDestination];
    ASSERT_TRUE(w.WaitForPage(destination));
    w.SetText(st::kDestFolder, "C:\\Shared");
    w.Press(PSBTN_NEXT);
    for (DWORD start = GetTickCount(); w.boxes.empty() && GetTickCount() - start < 10000;)
        w.WaitForPage(destination, 100);
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_NE(w.boxes[0].find("C:\\Shared\\readme.txt"), std::string::npos) << w.boxes[0];
    EXPECT_TRUE(w.WaitForPage(destination, 1000));

    w.Press(PSBTN_CANCEL);
    EXPECT_EQ(w.WaitForExit(), 2u);
    std::string readme;
    EXPECT_TRUE(ic::ReadBytes("C:\\Shared\\readme.txt", readme));
    EXPECT_EQ(readme, "someone else's");
    EXPECT_FALSE(ic::FileExists(ic::SystemDir() + layout::kSaverFile));
    EXPECT_FALSE(ic::KeyExists("Software\\Brindlecroft\\Whirlmark"));
}
