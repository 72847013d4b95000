// Where the install to remove is: the install record beside Uninstall.exe first (it
// serves every account, also one whose registry has no "DataRoot"), then the locations
// the product key records, with the record found there.
#pragma once

#include <optional>
#include <string>

#include "install_record.h"

namespace uninstall {

struct InstallLocation {
    std::string installDir;     // ends with "\"; empty when not known
    std::string programFolder;  // ends with "\"; empty when not known or never made
    std::optional<product::InstallRecord> record;
    bool keyMissing = false;    // the product key could not be opened (and no record beside us)
};

// `moduleFolder` is the folder that holds this Uninstall.exe, ending with "\".
InstallLocation FindInstallLocation(const std::string& moduleFolder);

// The record in `folder` (ending with "\"), if there is one.
std::optional<product::InstallRecord> RecordIn(const std::string& folder);

}  // namespace uninstall
