// The dialog's controls of the stored settings, trackbar scale, radio and list rules.
#include <gtest/gtest.h>

#include <set>

#include "config_dialog_ids.h"
#include "config_dialog_rules.h"

namespace {

TEST(ConfigDialogRules, EveryStoredSettingHasOneControl) {
    std::set<int> controls;
    for (std::size_t i = 0; i < kSettingsCount; ++i)
        EXPECT_TRUE(controls.insert(kSettingsTable[i].control).second) << i;
}

TEST(ConfigDialogRules, SpeedSlidersAndTheirNumbers) {
    const struct { int slider, number; std::int32_t SaverSettings::*field; } speeds[] = {
        {IDC_SPEED_X, IDC_SPEED_X_VALUE, &SaverSettings::speedX},
        {IDC_SPEED_Y, IDC_SPEED_Y_VALUE, &SaverSettings::speedY},
        {IDC_SPEED_Z, IDC_SPEED_Z_VALUE, &SaverSettings::speedZ},
    };
    for (const auto& s : speeds) {
        const SettingEntry* b = FindSpeedSetting(s.slider);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->valueControl, s.number);
        EXPECT_EQ(b->field, s.field);
    }
    EXPECT_EQ(FindSpeedSetting(IDC_SHOW_BACKGROUND), nullptr);
    EXPECT_EQ(FindSpeedSetting(IDC_SPEED_X_VALUE), nullptr);
}

TEST(ConfigDialogRules, TrackbarTopIsFastest) {
    EXPECT_EQ(TrackbarPosition(10), 90);
    EXPECT_EQ(TrackbarPosition(100), 0);
    EXPECT_EQ(TrackbarPosition(0), 100);
    for (int p = 0; p <= 100; ++p) EXPECT_EQ(TrackbarPosition(SpeedFromTrackbar(p)), p);
}

TEST(ConfigDialogRules, LogoSizeOutsideRangeChecksNoRadio) {
    EXPECT_EQ(RadioIndexForLogoSize(0), 0);
    EXPECT_EQ(RadioIndexForLogoSize(2), 2);
    EXPECT_EQ(RadioIndexForLogoSize(5), -1);
    EXPECT_EQ(RadioIndexForLogoSize(-1), -1);
}

TEST(ConfigDialogRules, NoSelectionKeepsTheStoredSlot) {
    EXPECT_EQ(SlotForSelection(3, 1), 3);
    EXPECT_EQ(SlotForSelection(0, 4), 0);
    EXPECT_EQ(SlotForSelection(-1, 4), 4);  // CB_ERR
    EXPECT_EQ(SlotForSelection(6, 2), 2);
}

}  // namespace
