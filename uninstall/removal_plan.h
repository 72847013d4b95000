// The removal plan: from the locations Setup recorded, which files, folders, registry
// keys and shortcuts Uninstall deletes and in which order, and how it recognises the
// product's default-saver entry. Portable; the Win32 glue carries it out.
#pragma once

#include <string>
#include <vector>

#include "ansi_chars.h"

namespace uninstall {

struct RemovalInputs {
    std::string systemDir;      // Windows system directory, ends in "\"
    std::string installDir;     // "DataRoot" as read; empty when it could not be read
    std::string programFolder;  // "ProgramFolder" as read; empty when it could not be read
};

// One registry pass: open `parent` under HKEY_CURRENT_USER and delete its `subkey`.
struct KeyDeletion {
    std::string parent;
    std::string subkey;
};

// Every step that names a file or folder is left out (empty string, no entry) when the
// folder it builds on is not an absolute path (a drive "X:\..." or a network path
// "\\..."), so nothing is ever deleted relative to the current directory. A location
// without its trailing "\" gets one.
struct RemovalPlan {
    std::string saverFile;                  // system directory + "whirlmark.scr", the long
                                            // form of the saver's default-saver entry
    std::vector<std::string> installFiles;  // licence, read-me, uninstaller
    std::string installFolder;              // without its trailing "\"
    std::vector<KeyDeletion> keys;          // deepest first; the maker's key is kept
    std::vector<std::string> shortcuts;     // the three product shortcuts
    std::string programFolder;              // without its trailing "\"
};

// The paths are walked by the characters of the code page whose lead bytes
// `isLeadByte` tells (null for a single-byte one; see ansi_chars.h).
RemovalPlan MakeRemovalPlan(const RemovalInputs& inputs, product::LeadByteTest isLeadByte);

// Whether the system.ini entry names this product's saver: equal, ignoring case, to the
// short or the long form of its path (an empty form matches nothing).
bool NamesProductSaver(const std::string& entry, const std::string& shortForm,
                       const std::string& longForm, product::LeadByteTest isLeadByte);

}  // namespace uninstall
