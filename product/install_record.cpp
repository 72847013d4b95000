// The install record's text format; see install_record.h.
#include "install_record.h"

namespace product {

namespace {

const char kFirstLine[] = "Whirlmark install record 1";

const char* const kItemNames[kItemCount] = {"Whirlmark.scr", "Uninstall.exe", "license.txt",
                                            "readme.txt",    "Uninstall.lnk", "Readme.lnk",
                                            "License.lnk"};

void Line(std::string& out, const char* name, const std::string& value) {
    out += name;
    out += '=';
    out += value;
    out += "\r\n";
}

// A path value is one line of printable text.
bool IsLineText(const std::string& value) {
    for (unsigned char c : value)
        if (c < 32) return false;
    return true;
}

}  // namespace

const char* ItemName(Item item) { return kItemNames[static_cast<int>(item)]; }

std::string WriteRecord(const InstallRecord& r) {
    std::string out = std::string(kFirstLine) + "\r\n";
    Line(out, "install", r.installDir);
    Line(out, "programs", r.programFolder);
    Line(out, "saver", r.saverPath);
    for (int i = 0; i < kItemCount; ++i)
        if (r.created[i]) Line(out, "created", kItemNames[i]);
    for (const std::string& folder : r.createdFolders) Line(out, "folder", folder);
    if (!r.uninstallRoot.empty()) Line(out, "uninstall-key", r.uninstallRoot);
    if (r.replacedSaver) {
        Line(out, "previous-saver", r.previousSaver);
        Line(out, "previous-active", r.previousSaverActive ? "1" : "0");
        if (r.previousEntryMissing) Line(out, "previous-entry", "missing");
        if (r.previousSectionMissing) Line(out, "previous-section", "missing");
        if (r.previousSwitchMissing) Line(out, "previous-switch", "missing");
    }
    for (const std::string& key : r.createdKeys) Line(out, "key", key);
    return out;
}

std::optional<InstallRecord> ReadRecord(const std::string& text) {
    std::size_t at = 0;
    auto nextLine = [&](std::string& line) {
        if (at >= text.size()) return false;
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        at = end + 1;
        return true;
    };
    std::string line;
    if (!nextLine(line) || line != kFirstLine) return std::nullopt;

    InstallRecord r;
    bool sawPrevious = false, sawActive = false;
    while (nextLine(line)) {
        std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string name = line.substr(0, eq), value = line.substr(eq + 1);
        if (!IsLineText(value)) continue;
        if (name == "install") {
            r.installDir = value;
        } else if (name == "programs") {
            r.programFolder = value;
        } else if (name == "saver") {
            r.saverPath = value;
        } else if (name == "created") {
            for (int i = 0; i < kItemCount; ++i)
                if (value == kItemNames[i]) r.created[i] = true;
        } else if (name == "folder") {
            if (!value.empty()) r.createdFolders.push_back(value);
        } else if (name == "uninstall-key") {
            if (value == "HKLM" || value == "HKCU") r.uninstallRoot = value;
        } else if (name == "previous-saver") {
            r.previousSaver = value;
            sawPrevious = true;
        } else if (name == "previous-entry") {
            r.previousEntryMissing = value == "missing";
        } else if (name == "previous-section") {
            r.previousSectionMissing = value == "missing";
        } else if (name == "previous-switch") {
            r.previousSwitchMissing = value == "missing";
        } else if (name == "key") {
            if (value.rfind("HKCU\\Software\\", 0) == 0) r.createdKeys.push_back(value);
        } else if (name == "previous-active") {
            r.previousSaverActive = value == "1";
            sawActive = value == "0" || value == "1";
        }
    }
    r.replacedSaver = sawPrevious && sawActive;
    return r;
}

}  // namespace product
