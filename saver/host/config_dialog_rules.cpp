// Controls of dialog 104 and the settings they show; see config_dialog_rules.h.
#include "config_dialog_rules.h"

#include "texture_names.h"

const SettingEntry* FindSpeedSetting(int control) {
    for (const SettingEntry& e : kSettingsTable)
        if (e.kind == DialogControlKind::Speed && e.control == control) return &e;
    return nullptr;
}

int RadioIndexForLogoSize(std::int32_t logoSize) {
    return logoSize >= 0 && logoSize <= 2 ? static_cast<int>(logoSize) : -1;
}

std::int32_t SlotForSelection(long selection, std::int32_t previous) {
    if (selection >= 0 && selection < TEXTURE_NAME_COUNT) return static_cast<std::int32_t>(selection);
    return previous;
}
