// Uninstall's removal plan: it removes exactly what Setup's plan installs, in order, never
// builds names on an unread or relative location, and knows the product's saver entry.
#include "install_plan.h"
#include "removal_plan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "code_pages.h"

using Paths = std::vector<std::string>;
using uninstall::MakeRemovalPlan;
using uninstall::RemovalInputs;

namespace {

const char kSystem[] = "C:\\windows\\system32\\";
const char kInstall[] = "C:\\Program Files\\Whirlmark\\";
const char kPrograms[] = "C:\\Start Menu\\Programs\\Whirlmark\\";

RemovalInputs Recorded() { return {kSystem, kInstall, kPrograms}; }

bool HasNoFileSteps(const uninstall::RemovalPlan& p) {
    return p.installFiles.empty() && p.installFolder.empty() && p.shortcuts.empty() &&
           p.programFolder.empty();
}

}  // namespace

TEST(RemovalPlan, RemovesInTheFixedOrder) {
    uninstall::RemovalPlan plan = MakeRemovalPlan(Recorded(), nullptr);
    EXPECT_EQ(plan.saverFile, "C:\\windows\\system32\\whirlmark.scr");
    EXPECT_EQ(plan.installFiles, (Paths{"C:\\Program Files\\Whirlmark\\license.txt",
                                        "C:\\Program Files\\Whirlmark\\readme.txt",
                                        "C:\\Program Files\\Whirlmark\\Uninstall.exe"}));
    EXPECT_EQ(plan.installFolder, "C:\\Program Files\\Whirlmark");
    ASSERT_EQ(plan.keys.size(), 3u);
    EXPECT_EQ(plan.keys[0].parent, "Software\\Brindlecroft\\Whirlmark\\1.0");
    EXPECT_EQ(plan.keys[0].subkey, "Settings");
    EXPECT_EQ(plan.keys[1].parent, "Software\\Brindlecroft\\Whirlmark");
    EXPECT_EQ(plan.keys[1].subkey, "1.0");
    EXPECT_EQ(plan.keys[2].parent, "Software\\Brindlecroft");  // the maker's key stays
    EXPECT_EQ(plan.keys[2].subkey, "Whirlmark");
    EXPECT_EQ(plan.shortcuts, (Paths{"C:\\Start Menu\\Programs\\Whirlmark\\Uninstall.lnk",
                                     "C:\\Start Menu\\Programs\\Whirlmark\\Readme.lnk",
                                     "C:\\Start Menu\\Programs\\Whirlmark\\License.lnk"}));
    EXPECT_EQ(plan.programFolder, "C:\\Start Menu\\Programs\\Whirlmark");
}

TEST(RemovalPlan, RemovesEverythingTheInstallPuts) {
    setup::InstallChoices c{"E:\\", kSystem, kInstall, kPrograms, true};
    setup::InstallPlan install = setup::MakeInstallPlan(c, nullptr);
    uninstall::RemovalPlan removal = MakeRemovalPlan(Recorded(), nullptr);

    Paths removed = removal.installFiles;
    removed.push_back(removal.saverFile);
    auto lower = [](std::string s) {
        for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    };
    for (auto& p : removed) p = lower(p);
    for (const auto& group : {install.programFiles, install.documents})
        for (const auto& copy : group)
            EXPECT_NE(std::find(removed.begin(), removed.end(), lower(copy.destination)), removed.end())
                << copy.destination;
    ASSERT_EQ(install.shortcuts.size(), removal.shortcuts.size());
    for (std::size_t i = 0; i < install.shortcuts.size(); ++i)
        EXPECT_EQ(install.shortcuts[i].link, removal.shortcuts[i]);
    EXPECT_EQ(install.installFolders.back(), removal.installFolder);
    EXPECT_EQ(lower(install.saverPath), lower(removal.saverFile));
}

TEST(RemovalPlan, UnreadLocationsBuildNoPaths) {
    uninstall::RemovalPlan plan = MakeRemovalPlan({kSystem, "", ""}, nullptr);
    EXPECT_TRUE(HasNoFileSteps(plan));
    EXPECT_EQ(plan.saverFile, "C:\\windows\\system32\\whirlmark.scr");
    EXPECT_EQ(plan.keys.size(), 3u);  // the registry steps do not depend on the paths

    plan = MakeRemovalPlan({kSystem, "", kPrograms}, nullptr);
    EXPECT_TRUE(plan.installFiles.empty());
    EXPECT_TRUE(plan.installFolder.empty());
    EXPECT_EQ(plan.shortcuts.size(), 3u);

    plan = MakeRemovalPlan({kSystem, kInstall, ""}, nullptr);
    EXPECT_EQ(plan.installFiles.size(), 3u);
    EXPECT_TRUE(plan.shortcuts.empty());
    EXPECT_TRUE(plan.programFolder.empty());
}

TEST(RemovalPlan, NeverNamesFilesRelativeToTheCurrentDirectory) {
    for (const char* bad : {"\\", "Whirlmark\\", "C:Whirlmark\\", ".\\", "\\Program Files\\", "\\\\\\"}) {
        EXPECT_TRUE(HasNoFileSteps(MakeRemovalPlan({kSystem, bad, bad}, nullptr))) << bad;
    }
    EXPECT_TRUE(MakeRemovalPlan({"", kInstall, kPrograms}, nullptr).saverFile.empty());
    // Too long for the Win32 calls: left alone rather than cut.
    std::string deep = "C:\\" + std::string(300, 'x') + "\\";
    EXPECT_TRUE(HasNoFileSteps(MakeRemovalPlan({kSystem, deep, deep}, nullptr)));
}

TEST(RemovalPlan, DriveRootKeepsItsFilesStepsButIsNotRemoved) {
    uninstall::RemovalPlan plan = MakeRemovalPlan({kSystem, "D:\\", "D:\\Menu"}, nullptr);
    EXPECT_EQ(plan.installFiles.front(), "D:\\license.txt");
    EXPECT_TRUE(plan.installFolder.empty());  // "D:" would be D's current directory
    EXPECT_EQ(plan.shortcuts.front(), "D:\\Menu\\Uninstall.lnk");  // "\" added
    EXPECT_EQ(plan.programFolder, "D:\\Menu");
}

TEST(RemovalPlan, RecognisesOnlyTheProductsSaverEntry) {
    const std::string shortForm = "C:\\windows\\system32\\WHIR~H0K.SCR";
    const std::string longForm = "C:\\windows\\system32\\whirlmark.scr";
    using uninstall::NamesProductSaver;
    EXPECT_TRUE(NamesProductSaver("c:\\WINDOWS\\SYSTEM32\\whir~h0k.scr", shortForm, longForm, nullptr));
    EXPECT_TRUE(NamesProductSaver("C:\\WINDOWS\\system32\\Whirlmark.SCR", shortForm, longForm, nullptr));
    EXPECT_TRUE(NamesProductSaver(longForm, "", longForm, nullptr));  // short form unavailable
    EXPECT_FALSE(NamesProductSaver("C:\\windows\\system32\\other.scr", shortForm, longForm, nullptr));
    EXPECT_FALSE(NamesProductSaver("D:\\savers\\whirlmark.scr", shortForm, longForm, nullptr));
    EXPECT_FALSE(NamesProductSaver("whirlmark.scr", shortForm, longForm, nullptr));
    EXPECT_FALSE(NamesProductSaver("", shortForm, longForm, nullptr));
    EXPECT_FALSE(NamesProductSaver("", "", "", nullptr));
}

TEST(RemovalPlan, DoubleByteFoldersHoldTheirFiles) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        const struct {
            std::string recorded, installDir, folder;  // as read, with "\" added, and the folder itself
        } rows[] = {
            {"C:\\" + s + "\\", "C:\\" + s + "\\", "C:\\" + s},
            {"C:\\" + s, "C:\\" + s + "\\", "C:\\" + s},  // an older record without the "\"
            {"C:\\" + b + "ket\\" + s, "C:\\" + b + "ket\\" + s + "\\", "C:\\" + b + "ket\\" + s},
        };
        for (const auto& row : rows) {
            uninstall::RemovalPlan plan = MakeRemovalPlan({kSystem, row.recorded, row.recorded}, cp.isLeadByte);
            EXPECT_EQ(plan.installFiles, (Paths{row.installDir + "license.txt", row.installDir + "readme.txt",
                                                row.installDir + "Uninstall.exe"}))
                << cp.number << " " << row.recorded;
            EXPECT_EQ(plan.installFolder, row.folder) << cp.number;
            EXPECT_EQ(plan.shortcuts.front(), row.installDir + "Uninstall.lnk") << cp.number;
            EXPECT_EQ(plan.programFolder, row.folder) << cp.number;
        }
        // The entry that names the saver, and one that differs in a second byte only.
        const std::string longForm = "C:\\" + s + "\\whirlmark.scr";
        EXPECT_TRUE(uninstall::NamesProductSaver("c:\\" + s + "\\WHIRLMARK.SCR", "", longForm, cp.isLeadByte))
            << cp.number;
        EXPECT_FALSE(uninstall::NamesProductSaver("C:\\" + cp.lower + "\\x.scr", "C:\\" + cp.upper + "\\x.scr", "",
                                                  cp.isLeadByte))
            << cp.number;
    }
}
