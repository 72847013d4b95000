// What the configuration dialog shows for each stored setting and how a control's state
// becomes a setting again. Portable; the dialog procedure is in config_dialog.cpp.
#pragma once

#include <cstddef>
#include <cstdint>

#include "settings.h"

// How a stored setting appears in dialog 104.
enum class DialogControlKind {
    CheckBox,    // check state is the value
    RadioGroup,  // three radio buttons from `control` on: value 0, 1, 2
    Speed,       // vertical trackbar at 100 - value, the value shown by `valueControl`
    Texture,     // drop-down list of the texture names; the selection is the slot
};

struct DialogBinding {
    std::int32_t SaverSettings::*field;
    DialogControlKind kind;
    int control;
    int valueControl;  // Speed only: the static showing the number; 0 otherwise
};

// One binding for each entry of kSettingsTable, in the same order.
extern const DialogBinding kDialogBindings[kSettingsCount];

// The binding whose trackbar is `control`; null when none is.
const DialogBinding* FindSpeedBinding(int control);

constexpr int kSpeedMax = 100;

// Trackbar position for a speed and back: the top of the slider is the fastest.
constexpr int TrackbarPosition(int speed) { return kSpeedMax - speed; }
constexpr int SpeedFromTrackbar(int position) { return kSpeedMax - position; }

// Index of the radio button (0 small, 1 medium, 2 large) for a logo size; -1 when the
// stored size is none of them.
int RadioIndexForLogoSize(std::int32_t logoSize);

// The slot to store for a list selection: the selection when it names a texture,
// otherwise (no selection, or out of range) the slot stored before.
std::int32_t SlotForSelection(long selection, std::int32_t previous);
