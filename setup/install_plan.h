// The install plan: from the choices made in Setup's wizard, which folders are made,
// which files are copied where, which registry values and shortcuts are written and
// whether the saver becomes the default. Portable; the Win32 glue carries it out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ansi_chars.h"

namespace setup {

// Tells whether a byte opens a two-byte character in the ANSI code page (null: none do).
using LeadByteTest = product::LeadByteTest;

struct InstallChoices {
    std::string sourceDir;      // folder holding Setup and the files it installs, ends in "\"
    std::string systemDir;      // Windows system directory, ends in "\"
    std::string installDir;     // install folder, ends in "\"
    std::string programFolder;  // full path of the Start-menu program folder, ends in "\"
    bool defaultSaver = true;   // make the saver the default screen saver
};

struct FileCopy {
    std::string source;
    std::string destination;
};

struct RegistryValue {
    const char* name;
    std::string data;  // written as REG_SZ with its terminating zero
};

struct Shortcut {
    std::string target;
    std::string link;
    std::string description;
};

struct InstallPlan {
    std::string installDir;                   // the install folder, ends in "\"
    std::vector<std::string> installFolders;  // created shortest first
    std::vector<FileCopy> programFiles;       // the saver, then the uninstaller
    std::vector<FileCopy> documents;          // the licence, then the read-me
    std::vector<RegistryValue> values;        // into the product's Settings key
    std::string programFolder;                // every missing level is created; empty: no shortcuts
    std::vector<Shortcut> shortcuts;          // into the program folder, in order
    bool makeDefaultSaver = false;
    std::string saverPath;  // system directory + "whirlmark.scr"; its short form is the entry
};

// Builds the whole plan from the wizard's choices, its paths walked by the characters
// of the code page whose lead bytes `isLeadByte` tells.
InstallPlan MakeInstallPlan(const InstallChoices& choices, LeadByteTest isLeadByte);

// The folders to create, shortest first, so that every level of `path` exists: each
// prefix of `path` ending before a "\" found at or after index 3 (past a drive root), the
// last one being `path` without its trailing "\". A bare drive root gives none.
std::vector<std::string> InstallFolderLevels(const std::string& path, LeadByteTest isLeadByte);

// Whether a path fits the fixed-size buffers of the Win32 calls (with its zero).
bool FitsPath(const std::string& path);

// The system.ini entry to write for the default saver, given the short form of the
// saver's path (empty when it could not be had): none when the option is off or there
// is no short form, so that the entry never names a missing file.
std::optional<std::string> DefaultSaverEntry(const InstallPlan& plan, const std::string& shortPath);

}  // namespace setup
