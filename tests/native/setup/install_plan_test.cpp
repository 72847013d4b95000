// Setup's install plan: what lands where, the folder levels and the default-saver decision.
#include "install_plan.h"

#include <gtest/gtest.h>

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
    setup::InstallPlan plan = MakeInstallPlan(DefaultChoices());

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
    EXPECT_EQ(InstallFolderLevels("D:\\Alpha\\Beta\\Gamma\\"),
              (Levels{"D:\\Alpha", "D:\\Alpha\\Beta", "D:\\Alpha\\Beta\\Gamma"}));
    EXPECT_EQ(InstallFolderLevels("\\\\server\\share\\Whirlmark\\"),
              (Levels{"\\\\server", "\\\\server\\share", "\\\\server\\share\\Whirlmark"}));
}

TEST(InstallPlan, CreatesNoFolderForADriveRootOrAnEmptyChoice) {
    EXPECT_TRUE(InstallFolderLevels("D:\\").empty());
    EXPECT_TRUE(InstallFolderLevels("\\").empty());
    EXPECT_TRUE(InstallFolderLevels("").empty());
    EXPECT_TRUE(InstallFolderLevels("D:\\A").empty());  // last level needs its "\"
    setup::InstallChoices c = DefaultChoices();
    c.installDir = "D:\\";
    setup::InstallPlan plan = MakeInstallPlan(c);
    EXPECT_TRUE(plan.installFolders.empty());
    EXPECT_EQ(plan.documents[1].destination, "D:\\readme.txt");
}

TEST(InstallPlan, SkipsTheSecondByteOfATwoByteCharacter) {
    // 0x95 0x5C is one character in a double-byte code page; its second byte is no separator.
    const std::string path = "D:\\\x95\\\\Sub\\";
    auto lead = [](unsigned char c) { return c >= 0x81 && c <= 0x9F; };
    EXPECT_EQ(InstallFolderLevels(path, lead), (Levels{"D:\\\x95\\", "D:\\\x95\\\\Sub"}));
    EXPECT_EQ(InstallFolderLevels(path).front(), "D:\\\x95");
}

TEST(InstallPlan, WritesTheDefaultSaverEntryOnlyWhenWantedAndKnown) {
    setup::InstallPlan plan = MakeInstallPlan(DefaultChoices());
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
