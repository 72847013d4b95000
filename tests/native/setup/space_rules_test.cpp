// Space from the real sizes: per drive, summed on one drive, never below the old floors.
#include "space_rules.h"

#include <gtest/gtest.h>

using setup::ShortDrive;
using setup::SpaceNeeds;

TEST(SpaceRules, OneDriveNeedsTheSumAndTwoDrivesTheirShare) {
    auto one = SpaceNeeds("C:\\", 4500000, "c:\\", 1500000);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].bytes, 6000000u);

    auto two = SpaceNeeds("C:\\", 4500000, "D:\\", 1500000);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].bytes, 4500000u);
    EXPECT_EQ(two[1].bytes, setup::kInstallDriveFloor);  // the floor, above the real 1.5 MB
    EXPECT_EQ(SpaceNeeds("C:\\", 1000, "D:\\", 1000)[0].bytes, setup::kSystemDriveFloor);
    EXPECT_EQ(setup::OnDisk(1), 32768u);
    EXPECT_EQ(setup::OnDisk(32768), 32768u);
}

TEST(SpaceRules, FirstShortDriveIsNamed) {
    auto two = SpaceNeeds("C:\\", 4500000, "\\\\srv\\share\\", 1500000);
    EXPECT_EQ(ShortDrive(two, {4400000, 9000000}), "C:");
    EXPECT_EQ(ShortDrive(two, {4500000, 4999999}), "\\\\srv\\share");
    EXPECT_EQ(ShortDrive(two, {4500000, 5000000}), "");
    EXPECT_EQ(ShortDrive(two, {}), "C:");  // a failed query counts as no room
}
