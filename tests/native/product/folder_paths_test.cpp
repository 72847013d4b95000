// Folder path rules: which destinations are absolute, volume roots and folder levels.
#include "folder_paths.h"

#include <gtest/gtest.h>

using product::FolderLevels;
using product::IsAbsoluteFolder;
using product::VolumeRoot;

TEST(FolderPaths, OnlyFullDriveAndNetworkPathsAreAbsolute) {
    for (const char* good : {"C:\\", "c:\\Program Files\\Whirlmark\\", "D:\\Games",
                             "\\\\server\\share", "\\\\server\\share\\Whirlmark\\"})
        EXPECT_TRUE(IsAbsoluteFolder(good)) << good;
    for (const char* bad : {"", "\\", "Whirlmark\\", "\\Whirlmark", "C:", "C:Games", "1:\\x",
                            "\\\\server", "\\\\server\\", "\\\\\\share", "C:\\a\\\\b", "C:\\a\\..\\b",
                            "C:\\a:b", "C:\\what?", "C:\\a/b", "C:\\tab\there"})
        EXPECT_FALSE(IsAbsoluteFolder(bad)) << bad;
}

TEST(FolderPaths, VolumeRootOfDriveAndNetworkPaths) {
    EXPECT_EQ(VolumeRoot("D:\\Games\\Whirlmark\\"), "D:\\");
    EXPECT_EQ(VolumeRoot("\\\\server\\share\\Whirlmark\\"), "\\\\server\\share\\");
    EXPECT_EQ(VolumeRoot("\\\\server\\share"), "\\\\server\\share\\");
}

TEST(FolderPaths, LevelsStartBelowTheVolumeRoot) {
    using Levels = std::vector<std::string>;
    EXPECT_EQ(FolderLevels("C:\\A\\B\\"), (Levels{"C:\\A", "C:\\A\\B"}));
    EXPECT_EQ(FolderLevels("C:\\"), Levels{});
    EXPECT_EQ(FolderLevels("\\\\srv\\share\\A"), (Levels{"\\\\srv\\share\\A"}));
    // 0x81 opens a two-byte character whose second byte is the "\" code.
    auto lead = [](unsigned char c) { return c == 0x81; };
    EXPECT_EQ(FolderLevels("C:\\x\x81\\y\\", lead), (Levels{"C:\\x\x81\\y"}));
}

TEST(FolderPaths, ContainmentIgnoresCaseAndNeedsALevelBoundary) {
    EXPECT_TRUE(product::LiesIn("C:\\PROGRAM FILES\\Whirlmark\\readme.txt", "c:\\program files\\whirlmark"));
    EXPECT_FALSE(product::LiesIn("C:\\Program Files\\Whirlmark2\\readme.txt", "C:\\Program Files\\Whirlmark"));
    EXPECT_FALSE(product::LiesIn("C:\\Program Files\\Whirlmark\\", "C:\\Program Files\\Whirlmark\\"));
    EXPECT_TRUE(product::SamePath("C:\\A\\", "c:\\a"));
}
