// Folder path rules: which destinations are absolute, volume roots and folder levels,
// in a single-byte code page and walked by characters in the double-byte ones.
#include "folder_paths.h"

#include <gtest/gtest.h>

#include "code_pages.h"

using product::FolderLevels;
using product::IsAbsoluteFolder;
using product::VolumeRoot;
using Levels = std::vector<std::string>;

TEST(FolderPaths, OnlyFullDriveAndNetworkPathsAreAbsolute) {
    for (const char* good : {"C:\\", "c:\\Program Files\\Whirlmark\\", "D:\\Games",
                             "\\\\server\\share", "\\\\server\\share\\Whirlmark\\"})
        EXPECT_TRUE(IsAbsoluteFolder(good, nullptr)) << good;
    for (const char* bad : {"", "\\", "Whirlmark\\", "\\Whirlmark", "C:", "C:Games", "1:\\x",
                            "\\\\server", "\\\\server\\", "\\\\\\share", "C:\\a\\\\b", "C:\\a\\..\\b",
                            "C:\\a:b", "C:\\what?", "C:\\a/b", "C:\\tab\there"})
        EXPECT_FALSE(IsAbsoluteFolder(bad, nullptr)) << bad;
}

TEST(FolderPaths, VolumeRootOfDriveAndNetworkPaths) {
    EXPECT_EQ(VolumeRoot("D:\\Games\\Whirlmark\\", nullptr), "D:\\");
    EXPECT_EQ(VolumeRoot("\\\\server\\share\\Whirlmark\\", nullptr), "\\\\server\\share\\");
    EXPECT_EQ(VolumeRoot("\\\\server\\share", nullptr), "\\\\server\\share\\");
}

TEST(FolderPaths, LevelsStartBelowTheVolumeRoot) {
    EXPECT_EQ(FolderLevels("C:\\A\\B\\", nullptr), (Levels{"C:\\A", "C:\\A\\B"}));
    EXPECT_EQ(FolderLevels("C:\\", nullptr), Levels{});
    EXPECT_EQ(FolderLevels("\\\\srv\\share\\A", nullptr), (Levels{"\\\\srv\\share\\A"}));
}

TEST(FolderPaths, ContainmentIgnoresCaseAndNeedsALevelBoundary) {
    EXPECT_TRUE(product::LiesIn("C:\\PROGRAM FILES\\Whirlmark\\readme.txt", "c:\\program files\\whirlmark", nullptr));
    EXPECT_FALSE(product::LiesIn("C:\\Program Files\\Whirlmark2\\readme.txt", "C:\\Program Files\\Whirlmark", nullptr));
    EXPECT_FALSE(product::LiesIn("C:\\Program Files\\Whirlmark\\", "C:\\Program Files\\Whirlmark\\", nullptr));
    EXPECT_TRUE(product::SamePath("C:\\A\\", "c:\\a", nullptr));
}

// The double-byte code pages: a second byte of 0x5C is no "\", one of 0x7C no "|", one
// of "A" no letter.

TEST(DoubleBytePaths, CharactersAreStepped) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        const std::string path = "C:\\" + s + "\\" + b + s;  // C:\表\ポ表
        EXPECT_EQ(product::LastSlash(path, cp.isLeadByte), 5u) << cp.number;
        EXPECT_EQ(product::FindSlash(path, 3, cp.isLeadByte), 5u) << cp.number;
        EXPECT_EQ(product::FindSlash(path, 6, cp.isLeadByte), std::string::npos) << cp.number;
        EXPECT_EQ(product::FirstChars(s + b + "x", 2, cp.isLeadByte), s + b) << cp.number;
        EXPECT_TRUE(product::EndsInsideChar("C:\\" + s.substr(0, 1), cp.isLeadByte)) << cp.number;
        EXPECT_FALSE(product::EndsInsideChar("C:\\" + s, cp.isLeadByte)) << cp.number;
        EXPECT_EQ(product::LowerAscii("AB" + cp.upper, cp.isLeadByte), "ab" + cp.upper) << cp.number;
    }
    // Single-byte: every byte is a character.
    EXPECT_EQ(product::LastSlash("C:\\\x95\\", nullptr), 4u);
    EXPECT_EQ(product::LowerAscii("\x83\x41", nullptr), "\x83\x61");
}

TEST(DoubleBytePaths, WithSlashLooksAtTheLastCharacter) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        const struct {
            std::string path, expected;
        } rows[] = {
            {"C:\\" + s, "C:\\" + s + "\\"},  // C:\表 is not C:\ and a byte
            {"C:\\" + s + "\\", "C:\\" + s + "\\"},
            {"C:\\" + b + "\\" + s + s, "C:\\" + b + "\\" + s + s + "\\"},
            {"C:\\" + s + "x\\", "C:\\" + s + "x\\"},
            {"", "\\"},
        };
        for (const auto& row : rows)
            EXPECT_EQ(product::WithSlash(row.path, cp.isLeadByte), row.expected) << cp.number << " " << row.path;
    }
    // 0xB1 is the one-byte katakana "ｱ" in code page 932 and a lead byte in the others.
    EXPECT_EQ(product::WithSlash("C:\\\xB1\\", cp::Lead932), "C:\\\xB1\\");
    EXPECT_EQ(product::WithSlash("C:\\\xB1\\", cp::Lead936), "C:\\\xB1\\\\");
    EXPECT_EQ(product::WithSlash("C:\\\x95\\", nullptr), "C:\\\x95\\");
}

TEST(DoubleBytePaths, FullPathsMayHoldSecondBytesOfSlashAndBar) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        for (const std::string& good : {"C:\\" + s, "C:\\" + b + "\\", "C:\\" + s + "\\" + b + "ket\\",
                                        "D:\\Games\\" + b + s, "\\\\server\\share\\" + s,
                                        "\\\\" + s + "\\" + b})
            EXPECT_TRUE(IsAbsoluteFolder(good, cp.isLeadByte)) << cp.number << " " << good;
        for (const std::string& bad : {"C:\\" + s + "|", "C:\\" + s + "\\\\" + b, "C:\\a" + s.substr(0, 1),
                                       s + "\\Whirlmark", "C:" + s, "\\\\" + s + "x", "C:\\" + b + "?"})
            EXPECT_FALSE(IsAbsoluteFolder(bad, cp.isLeadByte)) << cp.number << " " << bad;
    }
    // Read by bytes, the same names are refused: a "|" byte, or an empty level.
    EXPECT_FALSE(IsAbsoluteFolder("C:\\\x83\x7C", nullptr));
    EXPECT_FALSE(IsAbsoluteFolder("C:\\\x95\\\\x", nullptr));
}

TEST(DoubleBytePaths, VolumeRootIsCharacters) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        const struct {
            std::string path, expected;
        } rows[] = {
            {"C:\\" + s + "\\", "C:\\"},
            {"\\\\server\\" + s + "\\Whirlmark\\", "\\\\server\\" + s + "\\"},
            {"\\\\" + s + "\\" + b, "\\\\" + s + "\\" + b + "\\"},
            {s + b + "x\\", s + b + "x"},  // not absolute: its first three characters
        };
        for (const auto& row : rows)
            EXPECT_EQ(VolumeRoot(row.path, cp.isLeadByte), row.expected) << cp.number << " " << row.path;
    }
}

TEST(DoubleBytePaths, LevelsSplitOnlyAtSlashCharacters) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        const struct {
            std::string folder;
            Levels expected;
        } rows[] = {
            {"C:\\" + s, {"C:\\" + s}},
            {"C:\\" + s + "\\", {"C:\\" + s}},
            {"C:\\" + b + "ket\\" + s + "\\", {"C:\\" + b + "ket", "C:\\" + b + "ket\\" + s}},
            {"C:\\" + s + s + "\\x", {"C:\\" + s + s, "C:\\" + s + s + "\\x"}},
            {"\\\\srv\\" + s + "\\" + b, {"\\\\srv\\" + s + "\\" + b}},
        };
        for (const auto& row : rows)
            EXPECT_EQ(FolderLevels(row.folder, cp.isLeadByte), row.expected) << cp.number << " " << row.folder;
    }
}

TEST(DoubleBytePaths, SameFoldersIgnoreCaseOfSingleByteLettersOnly) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash;
        const struct {
            std::string a, b;
            bool same;
        } rows[] = {
            {"C:\\" + s, "c:\\" + s + "\\", true},
            {"C:\\DIR" + s, "c:\\dir" + s, true},
            {"C:\\" + cp.upper, "C:\\" + cp.lower, false},  // two characters, not two cases
            {"C:\\" + s + "x", "C:\\" + s + "X", true},
        };
        for (const auto& row : rows)
            EXPECT_EQ(product::SamePath(row.a, row.b, cp.isLeadByte), row.same) << cp.number << " " << row.a;
        EXPECT_TRUE(product::LiesIn("C:\\" + s + "\\readme.txt", "c:\\" + s, cp.isLeadByte)) << cp.number;
        EXPECT_FALSE(product::LiesIn("C:\\" + s + "readme.txt", "C:\\" + s, cp.isLeadByte)) << cp.number;
        EXPECT_FALSE(product::LiesIn("C:\\" + cp.lower + "\\x", "C:\\" + cp.upper, cp.isLeadByte)) << cp.number;
    }
}
