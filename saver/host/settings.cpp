// The settings table and defaults; the registry side is in settings_registry.cpp.
#include "settings.h"

// The speed defaults are the scene's starting steer rate (0.1 degree per frame) times 100.
const SettingEntry kSettingsTable[8] = {
    {"Background", &SaverSettings::showBackground, 1},
    {"Logo Size", &SaverSettings::logoSize, 0},
    {"Interactive", &SaverSettings::interactive, 0},
    {"X Speed", &SaverSettings::speedX, 10},
    {"Y Speed", &SaverSettings::speedY, 10},
    {"Z Speed", &SaverSettings::speedZ, 10},
    {"Back Texture", &SaverSettings::backTexture, 0},
    {"Icon Texture", &SaverSettings::iconTexture, 1},
};

SaverSettings* g_settings = nullptr;

void SaverSettings::SetDefaults() {
    for (const SettingEntry& entry : kSettingsTable) this->*entry.field = entry.defaultValue;
}

const SettingEntry* FindSetting(std::int32_t SaverSettings::*field) {
    for (const SettingEntry& entry : kSettingsTable)
        if (entry.field == field) return &entry;
    return nullptr;
}
