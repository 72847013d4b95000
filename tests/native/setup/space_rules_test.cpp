// Space from the real sizes: per drive, summed on one drive, never below the old floors.
#include "space_rules.h"

#include <gtest/gtest.h>

#include "code_pages.h"

using setup::ShortDrive;
using setup::SpaceNeeds;

TEST(SpaceRules, OneDriveNeedsTheSumAndTwoDrivesTheirShare) {
    auto one = SpaceNeeds("C:\\", 4500000, "c:\\", 1500000, nullptr);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].bytes, 6000000u);

    auto two = SpaceNeeds("C:\\", 4500000, "D:\\", 1500000, nullptr);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].bytes, 4500000u);
    EXPECT_EQ(two[1].bytes, setup::kInstallDriveFloor);  // the floor, above the real 1.5 MB
    EXPECT_EQ(SpaceNeeds("C:\\", 1000, "D:\\", 1000, nullptr)[0].bytes, setup::kSystemDriveFloor);
    EXPECT_EQ(setup::OnDisk(1), 32768u);
    EXPECT_EQ(setup::OnDisk(32768), 32768u);
}

TEST(SpaceRules, FirstShortDriveIsNamed) {
    auto two = SpaceNeeds("C:\\", 4500000, "\\\\srv\\share\\", 1500000, nullptr);
    EXPECT_EQ(ShortDrive(two, {4400000, 9000000}, nullptr), "C:");
    EXPECT_EQ(ShortDrive(two, {4500000, 4999999}, nullptr), "\\\\srv\\share");
    EXPECT_EQ(ShortDrive(two, {4500000, 5000000}, nullptr), "");
    EXPECT_EQ(ShortDrive(two, {}, nullptr), "C:");  // a failed query counts as no room
}

TEST(SpaceRules, NetworkDrivesAreNamedByCharacters) {
    for (const cp::DoubleByteCodePage& cp : cp::DoubleByteCodePages()) {
        const std::string s = cp.slash;
        const std::string share = "\\\\srv\\" + s + "\\";  // \\srv\表\ as VolumeRoot gives it
        auto two = SpaceNeeds("C:\\", 4500000, share, 1500000, cp.isLeadByte);
        ASSERT_EQ(two.size(), 2u) << cp.number;
        EXPECT_EQ(ShortDrive(two, {4500000, 0}, cp.isLeadByte), "\\\\srv\\" + s) << cp.number;
        EXPECT_EQ(SpaceNeeds("\\\\srv\\" + cp.upper + "\\", 1, "\\\\srv\\" + cp.lower + "\\", 1, cp.isLeadByte).size(),
                  2u)
            << cp.number;
        // Not a volume root of ours: its first two characters.
        EXPECT_EQ(ShortDrive({{s + s, 1}}, {0}, cp.isLeadByte), s + s) << cp.number;
    }
}
