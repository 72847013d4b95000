// Foreign items: an existing item is someone else's unless recorded or plainly ours.
#include "foreign_items.h"

#include <gtest/gtest.h>

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
    EXPECT_TRUE(setup::AtRecordedLocation("C:\\OLD\\readme.txt", "c:\\old\\", ""));
    EXPECT_TRUE(setup::AtRecordedLocation("C:\\Menu\\Readme.lnk", "", "C:\\Menu\\"));
    EXPECT_FALSE(setup::AtRecordedLocation("C:\\Old\\Sub\\readme.txt", "C:\\Old\\", ""));
    EXPECT_FALSE(setup::AtRecordedLocation("C:\\readme.txt", "", ""));
}
