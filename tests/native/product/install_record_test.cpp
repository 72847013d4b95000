// The install record: its text survives a round trip, and a damaged one only loses items.
#include "install_record.h"

#include <gtest/gtest.h>

using product::InstallRecord;
using product::Item;

namespace {

InstallRecord Sample() {
    InstallRecord r;
    r.installDir = "C:\\Program Files\\Whirlmark\\";
    r.programFolder = "C:\\Start Menu\\Programs\\Whirlmark\\";
    r.saverPath = "C:\\WINDOWS\\SYSTEM32\\Whirlmark.scr";
    for (Item item : {Item::Saver, Item::Uninstaller, Item::Readme, Item::LicenseLink}) r.SetCreated(item);
    r.createdFolders = {"C:\\Program Files\\Whirlmark", "C:\\Start Menu\\Programs\\Whirlmark"};
    r.uninstallRoot = "HKLM";
    r.replacedSaver = true;
    r.previousSaver = "C:\\WINDOWS\\SYSTEM32\\other.scr";
    r.previousSaverActive = true;
    r.previousEntryMissing = true;
    r.previousSwitchMissing = true;
    r.createdKeys = {"HKCU\\Software\\Brindlecroft"};
    return r;
}

}  // namespace

TEST(InstallRecord, RoundTrip) {
    const InstallRecord r = Sample();
    std::optional<InstallRecord> back = product::ReadRecord(product::WriteRecord(r));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->installDir, r.installDir);
    EXPECT_EQ(back->programFolder, r.programFolder);
    EXPECT_EQ(back->saverPath, r.saverPath);
    for (int i = 0; i < product::kItemCount; ++i) EXPECT_EQ(back->created[i], r.created[i]) << i;
    EXPECT_EQ(back->createdFolders, r.createdFolders);
    EXPECT_EQ(back->uninstallRoot, "HKLM");
    EXPECT_TRUE(back->replacedSaver);
    EXPECT_EQ(back->previousSaver, r.previousSaver);
    EXPECT_TRUE(back->previousSaverActive);
    EXPECT_TRUE(back->previousEntryMissing);
    EXPECT_FALSE(back->previousSectionMissing);
    EXPECT_TRUE(back->previousSwitchMissing);
    EXPECT_EQ(back->createdKeys, r.createdKeys);
    // A key line never names anything outside HKCU\Software.
    std::optional<InstallRecord> odd = product::ReadRecord(product::WriteRecord(r) + "key=HKLM\\System\r\n");
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->createdKeys, r.createdKeys);
}

TEST(InstallRecord, DamagedTextLosesItemsAndGainsNone) {
    EXPECT_FALSE(product::ReadRecord(""));
    EXPECT_FALSE(product::ReadRecord("some other file\r\ncreated=readme.txt\r\n"));

    std::string text = product::WriteRecord(Sample());
    text.resize(text.find("created=readme.txt"));  // cut off part-way
    text += "created=..\\..\\boot.ini\r\ncreated=*\r\nuninstall-key=HKCR\r\nprevious-active=7\r\ngarbage";
    std::optional<InstallRecord> r = product::ReadRecord(text);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->Created(Item::Saver));
    EXPECT_TRUE(r->Created(Item::Uninstaller));
    for (Item item : {Item::License, Item::Readme, Item::UninstallLink, Item::ReadmeLink, Item::LicenseLink})
        EXPECT_FALSE(r->Created(item));
    EXPECT_TRUE(r->createdFolders.empty());
    EXPECT_TRUE(r->uninstallRoot.empty());
    EXPECT_FALSE(r->replacedSaver);  // a previous saver needs both of its lines
}
