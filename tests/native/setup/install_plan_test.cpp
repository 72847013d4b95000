// Setup's install plan: what lands where, the folder levels and the default-saver decision.
#include "install_plan.h"

#include <gtest/gtest.h>

#include "code_pages.h"

using setup::FileCopy;
using setup::InstallChoices;
using setup::InstallFolderLevels;
using setup::MakeInstallPlan;
using Levels = std::vector<std::string>;

namespace {

InstallChoices DefaultChoices() {
    InstallChoices c;
    c.sourceDir = "E:\\";
    c.systemDir = "C:\\WINDOWS\\SYSTEM32\\";
    c.installDir = "C:\\Program Files\\Whirlmark\\";
    c.programFolder = "C:\\Start Menu\\Programs\\Whirlmark\\";
    c.defaultSaver = true;
    return c;
}

bool operator==(const FileCopy& a, const FileCopy& b) {
    return a.source == b.source && a.destination == b.destination;
}

}  // namespace

TEST(InstallPlan, NamesEveryItemOfAnInstallation) {
    setup::InstallPlan plan = MakeInstallPlan(DefaultChoices(), nullptr);

    EXPECT_EQ(plan.installFolders, (Levels{"C:\\Program Files", "C:\\Program Files\\Whirlmark"}));
    ASSERT_EQ(plan.programFiles.size(), 2u);
    EXPECT_TRUE(plan.programFiles[0] == (FileCopy{"E:\\Whirlmark.scr", "C:\\WINDOWS\\SYSTEM32\\Whirlmark.scr"}));
    EXPECT_TRUE(plan.programFiles[1] == (FileCopy{"E:\\Uninstall.exe", "C:\\Program Files\\Whirlmark\\Uninstall.exe"}));
    ASSERT_EQ(plan.documents.size(), 2u);
    EXPECT_TRUE(plan.documents[0] == (FileCopy{"E:\\license.txt", "C:\\Program Files\\Whirlmark\\license.txt"}));
    EXPECT_TRUE(plan.documents[1] == (FileCopy{"E:\\readme.txt", "C:\\Program Files\\Whirlmark\\readme.txt"}));

    ASSERT_EQ(plan.values.size(), 2u);
    EXPECT_STREQ(plan.values[0].name, "DataRoot");
    EXPECT_EQ(plan.values[0].data, "C:\\Program Files\\Whirlmark\\");
    EXPECT_STREQ(plan.values[1].name, "ProgramFolder");
    EXPECT_EQ(plan.values[1].data, "C:\\Start Menu\\Programs\\Whirlmark\\");

    EXPECT_EQ(plan.programFolder, "C:\\Start Menu\\Programs\\Whirlmark\\");
    ASSERT_EQ(plan.shortcuts.size(), 3u);
    const char* expected[3][3] = {
        {"C:\\Program Files\\Whirlmark\\Uninstall.exe", "C:\\Start Menu\\Programs\\Whirlmark\\Uninstall.lnk", "uninstall"},
        {"C:\\Program Files\\Whirlmark\\readme.txt", "C:\\Start Menu\\Programs\\Whirlmark\\Readme.lnk", "Readme"},
        {"C:\\Program Files\\Whirlmark\\license.txt", "C:\\Start Menu\\Programs\\Whirlmark\\License.lnk", "License"},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(plan.shortcuts[i].target, expected[i][0]);
        EXPECT_EQ(plan.shortcuts[i].link, expected[i][1]);
        EXPECT_EQ(plan.shortcuts[i].description, expected[i][2]);
    }
    EXPECT_TRUE(plan.makeDefaultSaver);
    EXPECT_EQ(plan.saverPath, "C:\\WINDOWS\\SYSTEM32\\whirlmark.scr");
}

TEST(InstallPlan, CreatesEveryLevelOfTheInstallFolderShortestFirst) {
    EXPECT_EQ(InstallFolderLevels("D:\\Alpha\\Beta\\Gamma\\", nullptr),
              (Levels{"D:\\Alpha", "D:\\Alpha\\Beta", "D:\\Alpha\\Beta\\Gamma"}));
    EXPECT_EQ(InstallFolderLevels("\\\\server\\share\\Whirlmark\\", nullptr),
              (Levels{"\\\\server", "\\\\server\\share", "\\\\server\\share\\Whirlmark"}));
}

TEST(InstallPlan, CreatesNoFolderForADriveRootOrAnEmptyChoice) {
    EXPECT_TRUE(InstallFolderLevels("D:\\", nullptr).empty());
    EXPECT_TRUE(InstallFolderLevels("\\", nullptr).empty());
    EXPECT_TRUE(InstallFolderLevels("", nullptr).empty());
    EXPECT_TRUE(InstallFolderLevels("D:\\A", nullptr).empty());  // last level needs its "\"
    setup::InstallChoices c = DefaultChoices();
    c.installDir = "D:\\";
    setup::InstallPlan plan = MakeInstallPlan(c, nullptr);
    EXPECT_TRUE(plan.installFolders.empty());
    EXPECT_EQ(plan.documents[1].destination, "D:\\readme.txt");
}

TEST(InstallPlan, DoubleByteFolderNamesHoldTheFiles) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        const struct {
            std::string installDir;  // as Setup has it, with its trailing "\"
            Levels folders;
        } rows[] = {
            {"C:\\" + s + "\\", {"C:\\" + s}},
            {"C:\\" + b + "ket\\", {"C:\\" + b + "ket"}},
            {"D:\\" + s + "\\Sub" + s + "\\", {"D:\\" + s, "D:\\" + s + "\\Sub" + s}},
            {"\\\\srv\\" + s + "\\" + b + "\\", {"\\\\srv\\" + s + "\\" + b}},
        };
        for (const auto& row : rows) {
            InstallChoices c = DefaultChoices();
            c.installDir = row.installDir;
            setup::InstallPlan plan = MakeInstallPlan(c, cp.isLeadByte);
            EXPECT_EQ(plan.installFolders, row.folders) << cp.number << " " << row.installDir;
            EXPECT_EQ(plan.documents[1].destination, row.installDir + "readme.txt") << cp.number;
        }
        // The level-by-level walk, taken for paths that are not absolute, steps characters too.
        EXPECT_EQ(InstallFolderLevels("D:\\" + s + "\\" + s + "\\", cp.isLeadByte),
                  (Levels{"D:\\" + s, "D:\\" + s + "\\" + s}))
            << cp.number;
    }
    // Read by bytes, the first level of D:\表\Sub\ would be D:\ and one byte.
    EXPECT_EQ(InstallFolderLevels("D:\\\x95\\Sub\\", nullptr).front(), "D:\\\x95");
}

TEST(InstallPlan, WritesTheDefaultSaverEntryOnlyWhenWantedAndKnown) {
    setup::InstallPlan plan = MakeInstallPlan(DefaultChoices(), nullptr);
    EXPECT_EQ(setup::DefaultSaverEntry(plan, "C:\\WINDOWS\\SYSTEM32\\WHIR~1.SCR").value_or("none"),
              "C:\\WINDOWS\\SYSTEM32\\WHIR~1.SCR");
    EXPECT_FALSE(setup::DefaultSaverEntry(plan, "").has_value());
    plan.makeDefaultSaver = false;
    EXPECT_FALSE(setup::DefaultSaverEntry(plan, "C:\\WINDOWS\\SYSTEM32\\WHIR~1.SCR").has_value());
}

TEST(InstallPlan, PathsMustFitTheWin32Buffers) {
    EXPECT_TRUE(setup::FitsPath(std::string(259, 'a')));
    EXPECT_FALSE(setup::FitsPath(std::string(260, 'a')));
}
