// Bindings of the stored settings to the controls of dialog 104; see config_dialog_rules.h.
#include "config_dialog_rules.h"

#include "config_dialog_ids.h"
#include "texture_names.h"

const DialogBinding kDialogBindings[kSettingsCount] = {
    {&SaverSettings::showBackground, DialogControlKind::CheckBox, IDC_SHOW_BACKGROUND, 0},
    {&SaverSettings::logoSize, DialogControlKind::RadioGroup, IDC_SIZE_SMALL, 0},
    {&SaverSettings::interactive, DialogControlKind::CheckBox, IDC_INTERACTIVE, 0},
    {&SaverSettings::speedX, DialogControlKind::Speed, IDC_SPEED_X, IDC_SPEED_X_VALUE},
    {&SaverSettings::speedY, DialogControlKind::Speed, IDC_SPEED_Y, IDC_SPEED_Y_VALUE},
    {&SaverSettings::speedZ, DialogControlKind::Speed, IDC_SPEED_Z, IDC_SPEED_Z_VALUE},
    {&SaverSettings::backTexture, DialogControlKind::Texture, IDC_BACK_TEXTURE, 0},
    {&SaverSettings::iconTexture, DialogControlKind::Texture, IDC_ICON_TEXTURE, 0},
};

const DialogBinding* FindSpeedBinding(int control) {
    for (const DialogBinding& b : kDialogBindings)
        if (b.kind == DialogControlKind::Speed && b.control == control) return &b;
    return nullptr;
}

int RadioIndexForLogoSize(std::int32_t logoSize) {
    return logoSize >= 0 && logoSize <= 2 ? static_cast<int>(logoSize) : -1;
}

std::int32_t SlotForSelection(long selection, std::int32_t previous) {
    if (selection >= 0 && selection < TEXTURE_NAME_COUNT) return static_cast<std::int32_t>(selection);
    return previous;
}
