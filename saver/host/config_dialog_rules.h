// How a control's state of the configuration dialog becomes a setting again (which
// control shows which setting is in kSettingsTable). Portable; the dialog procedure is in config_dialog.cpp.
#pragma once

#include <cstddef>
#include <cstdint>

#include "settings.h"

// The stored setting whose trackbar is `control` (see kSettingsTable); null when none is.
const SettingEntry* FindSpeedSetting(int control);

// Trackbar position for a speed and back: the top of the slider is the fastest.
constexpr int TrackbarPosition(int speed) { return kSpeedMax - speed; }
constexpr int SpeedFromTrackbar(int position) { return kSpeedMax - position; }

// Index of the radio button (0 small, 1 medium, 2 large) for a logo size; -1 when the
// stored size is none of them.
int RadioIndexForLogoSize(std::int32_t logoSize);

// The slot to store for a list selection: the selection when it names a texture,
// otherwise (no selection, or out of range) the slot stored before.
std::int32_t SlotForSelection(long selection, std::int32_t previous);
