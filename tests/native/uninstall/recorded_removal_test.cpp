// Removal narrowed by the install record: only recorded items, only created folders, and
// nothing a damaged record says can reach outside the fixed table.
#include "recorded_removal.h"

#include <gtest/gtest.h>

#include "code_pages.h"

using product::InstallRecord;
using product::Item;
using uninstall::MakeRecordedRemoval;
using Paths = std::vector<std::string>;

namespace {

const char kSystem[] = "C:\\WINDOWS\\SYSTEM32\\";
const char kWow[] = "C:\\WINDOWS\\SysWOW64\\";
const char kDir[] = "C:\\Games\\Whirlmark\\";

InstallRecord Record() {
    InstallRecord r;
    r.programFolder = "C:\\Menu\\Programs\\Games\\Whirlmark\\";
    r.saverPath = std::string(kWow) + "Whirlmark.scr";
    return r;
}

}  // namespace

TEST(RecordedRemoval, OnlyRecordedItemsAndCreatedFolders) {
    InstallRecord r = Record();
    for (Item item : {Item::Saver, Item::Uninstaller, Item::Readme, Item::ReadmeLink}) r.SetCreated(item);
    r.createdFolders = {"C:\\Games\\Whirlmark", "C:\\Menu\\Programs\\Games", "C:\\Menu\\Programs\\Games\\Whirlmark"};
    uninstall::RecordedRemoval out = MakeRecordedRemoval(r, kDir, {kSystem, kWow}, nullptr);

    EXPECT_EQ(out.plan.saverFile, std::string(kWow) + "Whirlmark.scr");
    EXPECT_EQ(out.plan.installFiles, (Paths{"C:\\Games\\Whirlmark\\readme.txt", "C:\\Games\\Whirlmark\\Uninstall.exe"}));
    EXPECT_EQ(out.plan.installFolder, "C:\\Games\\Whirlmark");
    EXPECT_TRUE(out.installParents.empty());  // C:\Games was there before
    EXPECT_EQ(out.plan.shortcuts, Paths{"C:\\Menu\\Programs\\Games\\Whirlmark\\Readme.lnk"});
    EXPECT_EQ(out.plan.programFolder, "C:\\Menu\\Programs\\Games\\Whirlmark");
    EXPECT_EQ(out.programParents, Paths{"C:\\Menu\\Programs\\Games"});
    EXPECT_EQ(out.plan.keys.size(), 3u);  // the product's keys are always ours
}

TEST(RecordedRemoval, FolderChosenByTheUserStays) {
    InstallRecord r = Record();
    r.SetCreated(Item::License);
    uninstall::RecordedRemoval out = MakeRecordedRemoval(r, kDir, {kSystem}, nullptr);
    EXPECT_EQ(out.plan.installFiles, Paths{"C:\\Games\\Whirlmark\\license.txt"});
    EXPECT_TRUE(out.plan.installFolder.empty());
    EXPECT_TRUE(out.plan.programFolder.empty());
    EXPECT_TRUE(out.plan.saverFile.empty());
}

TEST(RecordedRemoval, EditedRecordCannotReachOutsideTheTable) {
    InstallRecord r = Record();
    for (int i = 0; i < product::kItemCount; ++i) r.created[i] = true;
    r.saverPath = "C:\\Users\\me\\Whirlmark.scr";   // not a system folder
    r.programFolder = "Programs\\Whirlmark\\";         // relative
    r.installDir = "C:\\WINDOWS\\";                    // never used: the record's own folder is
    r.createdFolders = {"C:\\WINDOWS", "C:\\Users", "C:\\Games"};
    uninstall::RecordedRemoval out = MakeRecordedRemoval(r, kDir, {kSystem}, nullptr);

    EXPECT_EQ(out.plan.saverFile, std::string(kSystem) + "whirlmark.scr");
    for (const std::string& f : out.plan.installFiles) EXPECT_EQ(f.rfind(kDir, 0), 0u) << f;
    EXPECT_EQ(out.plan.installFiles.size(), 3u);
    EXPECT_TRUE(out.plan.shortcuts.empty());
    EXPECT_TRUE(out.plan.programFolder.empty());
    EXPECT_TRUE(out.plan.installFolder.empty());         // not listed as created
    EXPECT_EQ(out.installParents, Paths{"C:\\Games"});   // a level of the install folder, listed
}

TEST(RecordedRemoval, PreviousSaverComesBackOnlyWhenItIsStillThere) {
    using uninstall::DecideSaverReset;
    using uninstall::SaverReset;
    InstallRecord r;
    r.replacedSaver = true;
    r.previousSaver = "C:\\WINDOWS\\other.scr";
    EXPECT_EQ(DecideSaverReset(false, &r, true), SaverReset::Leave);
    EXPECT_EQ(DecideSaverReset(true, &r, true), SaverReset::Restore);
    EXPECT_EQ(DecideSaverReset(true, &r, false), SaverReset::Clear);
    EXPECT_EQ(DecideSaverReset(true, nullptr, true), SaverReset::Clear);
    r.replacedSaver = false;
    EXPECT_EQ(DecideSaverReset(true, &r, true), SaverReset::Clear);
}

TEST(RecordedRemoval, DoubleByteFoldersAreFoundByCharacters) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash, b = cp.bar;
        const std::string dir = "C:\\" + s + "\\" + b + "ket\\";  // C:\表\ポケット\, both levels made
        InstallRecord r = Record();
        r.programFolder = "C:\\Menu\\" + s + "\\";
        for (Item item : {Item::License, Item::Uninstaller, Item::LicenseLink}) r.SetCreated(item);
        r.createdFolders = {"C:\\" + s, "C:\\" + s + "\\" + b + "ket", "C:\\Menu\\" + s};
        uninstall::RecordedRemoval out = MakeRecordedRemoval(r, dir, {kSystem}, cp.isLeadByte);
        EXPECT_EQ(out.plan.installFiles, (Paths{dir + "license.txt", dir + "Uninstall.exe"})) << cp.number;
        EXPECT_EQ(out.plan.installFolder, "C:\\" + s + "\\" + b + "ket") << cp.number;
        EXPECT_EQ(out.installParents, Paths{"C:\\" + s}) << cp.number;
        EXPECT_EQ(out.plan.shortcuts, Paths{"C:\\Menu\\" + s + "\\License.lnk"}) << cp.number;
        EXPECT_EQ(out.plan.programFolder, "C:\\Menu\\" + s) << cp.number;
        // A level that differs from a created one in a second byte only was not made by Setup.
        r.createdFolders = {"C:\\" + cp.lower, "C:\\" + cp.lower + "\\x"};
        out = MakeRecordedRemoval(r, "C:\\" + cp.upper + "\\x\\", {kSystem}, cp.isLeadByte);
        EXPECT_TRUE(out.plan.installFolder.empty()) << cp.number;
        EXPECT_TRUE(out.installParents.empty()) << cp.number;
    }
}
