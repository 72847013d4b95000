// Foreign items: an existing item is someone else's unless recorded or plainly ours.
#include "foreign_items.h"

#include <gtest/gtest.h>

#include "code_pages.h"

using setup::ItemInTheWay;

TEST(ForeignItems, ExistingItemIsForeignUnlessRecordedOrPlainlyOurs) {
    std::vector<ItemInTheWay> items(4);
    items[0] = {"C:\\x\\Uninstall.exe", false, false, false};  // not there
    items[1] = {"C:\\x\\license.txt", true, true, false};      // recorded
    items[2] = {"C:\\x\\readme.txt", true, false, true};       // the medium's bytes
    items[3] = {"C:\\x\\Uninstall.rec", true, false, false};
    EXPECT_EQ(FirstForeign(items), &items[3]);
    items.pop_back();
    EXPECT_EQ(FirstForeign(items), nullptr);
}

TEST(ForeignItems, FixedNamesAtAnOlderInstallsLocationsAreOurs) {
    EXPECT_TRUE(setup::AtRecordedLocation("C:\\OLD\\readme.txt", "c:\\old\\", "", nullptr));
    EXPECT_TRUE(setup::AtRecordedLocation("C:\\Menu\\Readme.lnk", "", "C:\\Menu\\", nullptr));
    EXPECT_FALSE(setup::AtRecordedLocation("C:\\Old\\Sub\\readme.txt", "C:\\Old\\", "", nullptr));
    EXPECT_FALSE(setup::AtRecordedLocation("C:\\readme.txt", "", "", nullptr));
}

TEST(ForeignItems, RecordedLocationsAreComparedByCharacters) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash;
        const struct {
            std::string path, dataRoot;
            bool ours;
        } rows[] = {
            {"C:\\" + s + "\\readme.txt", "C:\\" + s + "\\", true},
            {"C:\\" + s + "readme.txt", "C:\\" + s, false},  // 表readme.txt in C:\ is not in C:\表
            {"C:\\" + cp.upper + "\\readme.txt", "C:\\" + cp.lower + "\\", false},
        };
        for (const auto& row : rows)
            EXPECT_EQ(setup::AtRecordedLocation(row.path, row.dataRoot, "", cp.isLeadByte), row.ours)
                << cp.number << " " << row.path;
    }
}
