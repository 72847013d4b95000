// Path, platform and page rules of the wizards, and the run-time class information.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "code_pages.h"
#include "page_rules.h"
#include "path_rules.h"
#include "runtime_class.h"

TEST(PathRules, TrailingBackslashIsAddedOnce) {
    EXPECT_STREQ(WithTrailingBackslash("C:\\Games", nullptr), "C:\\Games\\");
    EXPECT_STREQ(WithTrailingBackslash("C:\\Games\\", nullptr), "C:\\Games\\");
    EXPECT_STREQ(WithTrailingBackslash("", nullptr), "\\");
    EXPECT_STREQ(DriveRoot("D:\\Alpha\\", nullptr), "D:\\");
    EXPECT_STREQ(DriveRoot("\\\\server\\share\\", nullptr), "\\\\s");
    EXPECT_STREQ(DriveRoot("\\", nullptr), "\\");
}

TEST(PathRules, TrailingBackslashAndDriveRootAreCharacters) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        const struct {
            std::string path, withBackslash, driveRoot;
        } rows[] = {
            {"C:\\" + s, "C:\\" + s + "\\", "C:\\"},
            {"C:\\" + b + "\\", "C:\\" + b + "\\", "C:\\"},
            {s + b + s, s + b + s + "\\", s + b + s},  // the first three characters
            {"D:" + s + "\\x", "D:" + s + "\\x\\", "D:" + s},
        };
        for (const auto& row : rows) {
            EXPECT_EQ(std::string(WithTrailingBackslash(row.path.c_str(), cp.isLeadByte)), row.withBackslash)
                << cp.number << " " << row.path;
            EXPECT_EQ(std::string(DriveRoot(row.path.c_str(), cp.isLeadByte)), row.driveRoot)
                << cp.number << " " << row.path;
        }
    }
}

TEST(PathRules, OnlyThe95AndNtFamiliesRun) {
    EXPECT_EQ(PlatformFamily(1), 1);
    EXPECT_EQ(PlatformFamily(2), 2);
    EXPECT_EQ(PlatformFamily(0), 0);  // Win32s on a 16-bit Windows
    EXPECT_EQ(PlatformFamily(3), 0);  // a later, unlisted family
    EXPECT_EQ(PlatformFamily(0xFFFFFFFFul), 0);
}

TEST(PageRules, LicenceStopsAtTheLimitAndAtAZeroByte) {
    std::string big(3000, 'L');
    EXPECT_EQ(LicenseTextFromBytes(big.data(), 3000).GetLength(), LICENSE_MAX_BYTES);
    const char cut[] = "first\0second";
    EXPECT_STREQ(LicenseTextFromBytes(cut, sizeof cut), "first");
    EXPECT_STREQ(LicenseTextFromBytes("", 0), "");
}

namespace {
std::set<std::string> g_folders;
bool FakeIsFolder(const char* path) { return g_folders.count(path) != 0; }
}  // namespace

TEST(PageRules, BrowserOpensOnTheNearestExistingFolder) {
    g_folders = {"C:\\", "C:\\Program Files", "D:\\Games"};
    EXPECT_STREQ(NearestExistingFolder("D:\\Games\\", FakeIsFolder, nullptr), "D:\\Games");
    EXPECT_STREQ(NearestExistingFolder("C:\\Program Files\\Whirlmark\\", FakeIsFolder, nullptr),
                 "C:\\Program Files");
    EXPECT_STREQ(NearestExistingFolder("C:\\a\\b\\c\\d", FakeIsFolder, nullptr), "C:\\");
    EXPECT_STREQ(NearestExistingFolder("C:\\", FakeIsFolder, nullptr), "C:\\");
    EXPECT_STREQ(NearestExistingFolder("Q:\\x\\", FakeIsFolder, nullptr), "");
    EXPECT_STREQ(NearestExistingFolder("", FakeIsFolder, nullptr), "");
    EXPECT_STREQ(NearestExistingFolder("\\\\", FakeIsFolder, nullptr), "");
    EXPECT_STREQ(NearestExistingFolder("relative", FakeIsFolder, nullptr), "");
    // An over-long typed folder is walked up without any fixed buffer.
    std::string deep = "C:\\Program Files";
    for (int i = 0; i < 200; ++i) deep += "\\level";
    EXPECT_STREQ(NearestExistingFolder(deep.c_str(), FakeIsFolder, nullptr), "C:\\Program Files");
}

TEST(PageRules, BrowserWalksUpByCharacters) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        g_folders = {"C:\\", "C:\\" + s, "C:\\" + b + s};
        const struct {
            std::string typed, opens;
        } rows[] = {
            {"C:\\" + s, "C:\\" + s},                  // not C:\ with a byte cut off
            {"C:\\" + s + "\\", "C:\\" + s},
            {"C:\\" + s + "\\new" + s, "C:\\" + s},  // parent of a new level whose last byte is 0x5C
            {"C:\\" + b + s + "\\a\\" + b, "C:\\" + b + s},
            {"C:\\" + s + s, "C:\\"},
        };
        for (const auto& row : rows)
            EXPECT_EQ(std::string(NearestExistingFolder(row.typed.c_str(), FakeIsFolder, cp.isLeadByte)), row.opens)
                << cp.number << " " << row.typed;
    }
}

TEST(PageRules, ProgramFolderPathEndsWithABackslashCharacter) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash;
        EXPECT_EQ(std::string(ProgramFolderPath("C:\\Programs", s.c_str(), cp.isLeadByte)),
                  "C:\\Programs\\" + s + "\\")
            << cp.number;
        EXPECT_EQ(std::string(ProgramFolderPath("C:\\Programs", (s + "\\").c_str(), cp.isLeadByte)),
                  "C:\\Programs\\" + s + "\\")
            << cp.number;
    }
}

TEST(PageRules, ProgramFolderPathKeepsTheNameAsTyped) {
    const char* programs = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
    EXPECT_STREQ(ProgramFolderPath(programs, "Whirlmark", nullptr),
                 "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Whirlmark\\");
    EXPECT_STREQ(ProgramFolderPath(programs, "Games\\Whirlmark", nullptr),
                 "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Games\\Whirlmark\\");
    EXPECT_STREQ(ProgramFolderPath(programs, "", nullptr),
                 "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\\\");
    std::string longName(1000, 'n');
    EXPECT_EQ(ProgramFolderPath(programs, longName.c_str(), nullptr).GetLength(),
              static_cast<int>(std::strlen(programs)) + 1 + 1000 + 1);
}

namespace {
class CBase : public CObject {
    DECLARE_DYNCREATE(CBase)
};
class CDerived : public CBase {
    DECLARE_DYNCREATE(CDerived)
};
IMPLEMENT_DYNCREATE(CBase, CObject)
IMPLEMENT_DYNCREATE(CDerived, CBase)
}  // namespace

TEST(RuntimeClass, KnowsNamesBasesAndCreates) {
    CObject* made = RUNTIME_CLASS(CDerived)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, "CDerived");
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CBase)));
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CObject)));
    CBase base;
    EXPECT_FALSE(base.IsKindOf(RUNTIME_CLASS(CDerived)));
    delete made;
}
