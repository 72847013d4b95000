// The install record: what one run of Setup did, kept beside Uninstall.exe so that every
// account's Uninstall finds it. It lists the items of the fixed install table that Setup
// created (or found to be its own), the folder levels it created, the Add/Remove
// Programs key it wrote and the screen saver it replaced. Uninstall removes only what
// the record lists, and only within the fixed table, so a damaged or edited record can
// narrow the removal but never widen it. Portable: no <windows.h>.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace product {

// The record's file name, in the install folder.
inline constexpr char kRecordFile[] = "Uninstall.rec";

// The items of the fixed install table that a record can list.
enum class Item { Saver, Uninstaller, License, Readme, UninstallLink, ReadmeLink, LicenseLink };
inline constexpr int kItemCount = 7;

// The item's file name in the table ("Whirlmark.scr", "Uninstall.lnk"...).
const char* ItemName(Item item);

struct InstallRecord {
    std::string installDir;     // the install folder, ends with "\"
    std::string programFolder;  // the Start-menu program folder, ends with "\"; empty: no shortcuts
    std::string saverPath;      // the saver file as installed (system folder + "Whirlmark.scr")
    bool created[kItemCount] = {};
    std::vector<std::string> createdFolders;  // levels Setup made, without "\", shortest first
    std::string uninstallRoot;                // "HKLM" or "HKCU": where the Add/Remove Programs key is
    bool replacedSaver = false;               // Setup selected the saver and kept the one before:
    std::string previousSaver;                //   the system.ini entry it replaced ("" for none)
    bool previousSaverActive = false;         //   and whether the screen saver was switched on
    bool previousEntryMissing = false;        //   there was no entry at all,
    bool previousSectionMissing = false;      //   not even a [boot] section,
    bool previousSwitchMissing = false;       //   and the desktop settings held no switch
    std::vector<std::string> createdKeys;     // "HKCU\..." key levels Setup made above the product's
                                              //   own, shortest first

    bool Created(Item item) const { return created[static_cast<int>(item)]; }
    void SetCreated(Item item, bool value = true) { created[static_cast<int>(item)] = value; }
};

// The record as the text of its file: a first line naming it, then one "name=value"
// line each, with CR LF line ends.
std::string WriteRecord(const InstallRecord& record);

// The record in `text`; none when the first line does not name a record. Lines that are
// not understood are passed over, so a damaged record loses items and never gains any.
std::optional<InstallRecord> ReadRecord(const std::string& text);

}  // namespace product
