// The settings table and defaults; the registry side is in settings_registry.cpp.
#include "settings.h"

#include "config_dialog_ids.h"
#include "texture_names.h"

namespace {
using K = DialogControlKind;
constexpr std::int32_t kLastSlot = TEXTURE_NAME_COUNT - 1;
}  // namespace

// The speed defaults are the scene's starting steer rate (0.1 degree per frame) times 100.
const SettingEntry kSettingsTable[8] = {
    {"Background", &SaverSettings::showBackground, 1, K::CheckBox, IDC_SHOW_BACKGROUND, 0, 1},
    {"Logo Size", &SaverSettings::logoSize, 0, K::RadioGroup, IDC_SIZE_SMALL, 0, 2},
    {"Interactive", &SaverSettings::interactive, 0, K::CheckBox, IDC_INTERACTIVE, 0, 1},
    {"X Speed", &SaverSettings::speedX, 10, K::Speed, IDC_SPEED_X, IDC_SPEED_X_VALUE, kSpeedMax},
    {"Y Speed", &SaverSettings::speedY, 10, K::Speed, IDC_SPEED_Y, IDC_SPEED_Y_VALUE, kSpeedMax},
    {"Z Speed", &SaverSettings::speedZ, 10, K::Speed, IDC_SPEED_Z, IDC_SPEED_Z_VALUE, kSpeedMax},
    {"Back Texture", &SaverSettings::backTexture, 0, K::Texture, IDC_BACK_TEXTURE, 0, kLastSlot},
    {"Icon Texture", &SaverSettings::iconTexture, 1, K::Texture, IDC_ICON_TEXTURE, 0, kLastSlot},
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
