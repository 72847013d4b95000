// The saver's settings record: the eight user settings kept in the registry, the two
// system screen-saver values and the run-time state of the saver window's close rules.
// One instance per process (g_settings), created by the entry point.
#pragma once

#include <cstddef>
#include <cstdint>

struct HWND__;  // the Win32 window handle type, HWND, without <windows.h>

// A screen position in pixels.
struct SaverPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct SaverSettings {
    // Run-time state of the close rules (see saver_window.cpp).
    HWND__* window = nullptr;            // the saver window; target of close requests
    std::uint32_t passwordDelay = 15;    // seconds after creation without a password prompt
    std::int32_t mouseThreshold = 50;    // pointer travel per axis, in pixels, that closes
    SaverPoint anchor;                   // where pointer travel is measured from
    std::uint32_t startTick = 0;         // GetTickCount when the window was created
    std::int32_t inPasswordCheck = 0;    // nonzero while the password prompt is up
    std::int32_t closeRequested = 0;     // nonzero once a close rule has fired

    // The user's settings, stored under kSettingsKey (see kSettingsTable).
    std::int32_t showBackground = 1;     // draw the backdrop
    std::int32_t interactive = 0;        // pointer steers the logo, keypad changes textures
    std::int32_t logoSize = 0;           // 0 small, 1 medium, 2 large
    std::int32_t speedX = 10;            // spin speeds, 0 to 100 as set by the dialog
    std::int32_t speedY = 10;
    std::int32_t speedZ = 10;
    std::int32_t backTexture = 0;        // texture slots (index into the scene's texture table)
    std::int32_t iconTexture = 1;

    // Sets the eight user settings to their defaults (kSettingsTable).
    void SetDefaults();

    // Registry persistence (settings_registry.cpp). Failures are silent: whatever
    // cannot be read keeps its default, a failed write leaves the registry as it was.
    // ReadSystemSaverValues: passwordDelay and mouseThreshold from kSystemSaverKey
    // (defaults 15 and 50), and clears inPasswordCheck.
    void ReadSystemSaverValues();
    // ReadSettings: the defaults, then every value of kSettingsTable that is a
    // REG_DWORD of exactly 4 bytes.
    void ReadSettings();
    // WriteSettings: all eight values as REG_DWORD, creating the key when missing.
    void WriteSettings() const;

    // Close-rule operations on the saver window (saver_window.cpp).
    // RequestClose: marks the close as asked for and posts WM_CLOSE to the window.
    void RequestClose();
    // BeginPasswordCheck / EndPasswordCheck: bracket the password prompt; while it is up
    // every close rule is inert and the arrow pointer shows. The end re-anchors the
    // pointer at its current position.
    void BeginPasswordCheck();
    void EndPasswordCheck();
};

// How a stored setting appears in the configuration dialog (dialog 104).
enum class DialogControlKind {
    CheckBox,    // check state is the value
    RadioGroup,  // radio buttons from `control` on, one per value 0 to `maximum`
    Speed,       // vertical trackbar of 0 to `maximum` at `maximum` - value (the top is
                 // the fastest), the value shown by `valueControl`
    Texture,     // drop-down list of the texture names; the selection is the slot
};

// One stored setting: registry value name, field of SaverSettings, default, and the
// dialog's control for it with the largest value the control can show (the smallest
// is 0).
struct SettingEntry {
    const char* valueName;
    std::int32_t SaverSettings::*field;
    std::int32_t defaultValue;
    DialogControlKind kind;
    int control;
    int valueControl;  // Speed only: the static showing the number; 0 otherwise
    std::int32_t maximum;
};

// The fastest spin speed the dialog sets.
constexpr std::int32_t kSpeedMax = 100;

// The eight user settings in registry order. Registry read and write, and the
// configuration dialog, iterate this table.
extern const SettingEntry kSettingsTable[8];
constexpr std::size_t kSettingsCount = sizeof(kSettingsTable) / sizeof(kSettingsTable[0]);

// Looks up a table entry by field; null when the field is not a stored setting.
const SettingEntry* FindSetting(std::int32_t SaverSettings::*field);

// Registry keys under HKEY_CURRENT_USER: the saver's own settings, and the system's
// screen-saver values ("Password Delay", "Mouse Threshold"), which are only read.
constexpr const char* kSettingsKey = "Software\\Brindlecroft\\Whirlmark\\1.0\\Settings";
constexpr const char* kSystemSaverKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Screen Savers";
constexpr const char* kPasswordDelayValue = "Password Delay";
constexpr const char* kMouseThresholdValue = "Mouse Threshold";
constexpr std::uint32_t kDefaultPasswordDelay = 15;
constexpr std::int32_t kDefaultMouseThreshold = 50;

// The one settings object of the process; null before the entry point creates it.
extern SaverSettings* g_settings;
