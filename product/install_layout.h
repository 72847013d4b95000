// What an installation of Whirlmark leaves on the machine: the file names, the registry
// key and its two values, the shortcuts and the system.ini entry. Setup's install plan
// and Uninstall's removal plan are both built from these names.
#pragma once

#include <cstddef>

namespace layout {

// File names on the medium and where they are installed. The default-saver entry and
// the removal name the saver in lower case; file names compare without regard to case.
inline constexpr char kSaverFile[] = "Whirlmark.scr";       // into the system directory
inline constexpr char kSaverFileLower[] = "whirlmark.scr";
inline constexpr char kUninstaller[] = "Uninstall.exe";     // into the install folder
inline constexpr char kLicense[] = "license.txt";           // into the install folder
inline constexpr char kReadme[] = "readme.txt";             // into the install folder

// HKEY_CURRENT_USER key of the product, created level by level; the saver keeps its
// settings in the same key.
inline constexpr const char* kKeyLevels[] = {"Software", "Brindlecroft", "Whirlmark", "1.0",
                                             "Settings"};
inline constexpr std::size_t kKeyLevelCount = sizeof kKeyLevels / sizeof kKeyLevels[0];
inline constexpr char kSettingsKey[] = "Software\\Brindlecroft\\Whirlmark\\1.0\\Settings";
inline constexpr char kDataRootValue[] = "DataRoot";            // install folder, ends in "\"
inline constexpr char kProgramFolderValue[] = "ProgramFolder";  // Start-menu folder, ends in "\"

// The shortcuts in the Start-menu program folder, in the order they are made.
struct ShortcutEntry {
    const char* link;         // file name in the program folder
    const char* target;       // file name in the install folder
    const char* description;
};
inline constexpr ShortcutEntry kShortcuts[] = {
    {"Uninstall.lnk", kUninstaller, "uninstall"},
    {"Readme.lnk", kReadme, "Readme"},
    {"License.lnk", kLicense, "License"},
};

// The default screen saver: system.ini [boot] SCRNSAVE.EXE.
inline constexpr char kIniFile[] = "system.ini";
inline constexpr char kIniSection[] = "boot";
inline constexpr char kIniKey[] = "SCRNSAVE.EXE";

// Setup makes a new copy of a file beside it, and keeps the one it replaces aside until
// the install succeeds, under the file's name with these added; a killed Setup may leave them.
inline constexpr char kNewCopySuffix[] = "~whirl-new";
inline constexpr char kAsideSuffix[] = "~whirl-old";

// Longest path the Win32 calls take, counting the terminating zero.
inline constexpr std::size_t kMaxPath = 260;

}  // namespace layout
