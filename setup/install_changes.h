// Setup's install as a list of undoable changes, from the install plan and what the
// machine holds now: the install folder and the copies into it, the install record and
// the Add/Remove Programs entry first (so that everything after can be found and
// removed), then the shared state: the saver in the system folder, the product key, the
// shortcuts and the default-saver entry. Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ansi_chars.h"
#include "change_list.h"
#include "install_plan.h"
#include "install_record.h"

namespace setup {

// What the machine holds before the install, as far as the list depends on it.
struct MachineFacts {
    product::LeadByteTest isLeadByte = nullptr;  // the ANSI code page's lead bytes (null: none)
    std::function<bool(const std::string&)> folderExists;  // a folder is there
    std::function<bool(const std::string&)> keyExists;     // a registry key ("HKCU\...") is there
    // The folder is left over by this product: an earlier Uninstall left it to go at the
    // next restart, or a stopped Setup made it and it holds nothing else (may be empty).
    std::function<bool(const std::string&)> leftOver;
    bool machineWideEntry = true;        // HKEY_LOCAL_MACHINE can take the entry
    std::string saverEntry;              // system.ini's SCRNSAVE.EXE now
    bool entryIsOurs = false;            // and it names the product's saver
    bool saverActive = false;            // the screen saver is switched on now
    bool entryMissing = false;           // system.ini has no SCRNSAVE.EXE entry,
    bool sectionMissing = false;         //   no [boot] section,
    bool switchMissing = false;          //   and the desktop settings no switch
    const product::InstallRecord* previous = nullptr;  // the record in the install folder
    std::string displayVersion = "1.0.0.1";
    std::uint64_t installedBytes = 0;
    std::string productLink;
};

struct InstallChanges {
    std::vector<product::Change> changes;
    product::InstallRecord record;  // what the list's record file says
};

// The changes for `plan`, in order, with progress marks 15 to 90, and the record.
InstallChanges MakeInstallChanges(const InstallPlan& plan, const MachineFacts& facts);

// The registry key `path` under `root` ("HKCU", "HKLM"), one key to create per level,
// shortest first: "HKCU\Software", "HKCU\Software\Brindlecroft"...
std::vector<std::string> KeyLevels(const std::string& root, const std::string& path);

}  // namespace setup
