// The settings table: names, order and defaults as stored in the registry.
#include "settings.h"
#include "install_layout.h"

#include <gtest/gtest.h>

#include <string>

TEST(SettingsTable, NamesAndDefaultsInRegistryOrder) {
    const char* names[] = {"Background", "Logo Size", "Interactive", "X Speed",
                           "Y Speed", "Z Speed", "Back Texture", "Icon Texture"};
    const std::int32_t defaults[] = {1, 0, 0, 10, 10, 10, 0, 1};
    ASSERT_EQ(kSettingsCount, 8u);
    for (std::size_t i = 0; i < kSettingsCount; ++i) {
        EXPECT_EQ(std::string(kSettingsTable[i].valueName), names[i]);
        EXPECT_EQ(kSettingsTable[i].defaultValue, defaults[i]);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(kSettingsTable[i].field, kSettingsTable[j].field) << "shared field " << names[i];
    }
}

TEST(SettingsTable, FreshRecordHoldsTheDefaults) {
    SaverSettings fresh;
    for (const SettingEntry& e : kSettingsTable) EXPECT_EQ(fresh.*e.field, e.defaultValue) << e.valueName;
    EXPECT_EQ(fresh.passwordDelay, 15u);
    EXPECT_EQ(fresh.mouseThreshold, 50);
    EXPECT_EQ(fresh.window, nullptr);
    EXPECT_EQ(fresh.closeRequested, 0);
}

TEST(SettingsTable, SetDefaultsTouchesOnlyTheUserSettings) {
    SaverSettings s;
    for (const SettingEntry& e : kSettingsTable) s.*e.field = 77;
    s.mouseThreshold = 3;
    s.closeRequested = 1;
    s.SetDefaults();
    EXPECT_EQ(s.showBackground, 1);
    EXPECT_EQ(s.speedY, 10);
    EXPECT_EQ(s.iconTexture, 1);
    EXPECT_EQ(s.mouseThreshold, 3);
    EXPECT_EQ(s.closeRequested, 1);
}

TEST(SettingsTable, FindSettingByField) {
    ASSERT_NE(FindSetting(&SaverSettings::speedZ), nullptr);
    EXPECT_EQ(std::string(FindSetting(&SaverSettings::speedZ)->valueName), "Z Speed");
    EXPECT_EQ(FindSetting(&SaverSettings::closeRequested), nullptr);
}

// The saver shares no code with the wizards: this is what keeps their key the same.
TEST(SettingsTable, SaverAndWizardsUseOneKey) { EXPECT_STREQ(kSettingsKey, layout::kSettingsKey); }
