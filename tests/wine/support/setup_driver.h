// Drives the real Setup.exe from a Windows test: a medium folder to start it from,
// Setup's pages and controls, and a whole install with chosen values.
#pragma once

#include <string>

#include "wizard_driver.h"

namespace st {

// Page indexes of Setup's wizard, in order, and their titles.
enum Page { kWelcome, kLicense, kDestination, kProgramFolder, kExtraOptions, kStartCopy, kComplete };
inline const char* const kTitles[] = {"Welcome to the Whirlmark installation wizard",
                                      "License Agreement",
                                      "Choose destination location",
                                      "Select Program Folder",
                                      "Additional options",
                                      "Start copying files",
                                      "Installation complete"};
inline constexpr char kIncomplete[] = "Installation failed";

// Control ids of Setup's pages.
constexpr int kLicenseText = 1003, kProgramFolderEdit = 1003, kSpaceWarning = 1005, kBrowse = 1007,
              kDestFolder = 1008, kFolderList = 1010, kDefaultSaver = 1011;

inline constexpr char kMedium[] = "C:\\medium\\";

// Makes folder `folder` hold a copy of the build's installation medium with, unless
// `licence` is null, a license.txt of exactly those bytes (none otherwise).
void MakeMedium(const std::string* licence, const std::string& folder = kMedium);

// Setup.exe of `medium`, started in `workDir` (the medium folder when empty). Its
// message boxes are left to the test.
class Wizard : public wt::Wizard {
public:
    explicit Wizard(const std::string& medium = kMedium, const std::string& workDir = "");
    // Waits for the wizard and presses Next until page `index` is current.
    bool WalkTo(int index);
    // Presses Next on the start-copy page and waits for the completion page, answering
    // (and recording in `boxes`) the message boxes of the install.
    bool Install(DWORD ms = 60000);
};

// Setup driven through every page with these choices (empty: keep the page's default).
struct SetupChoices {
    std::string medium = kMedium;  // folder Setup is started from
    std::string installDir;
    std::string folderName;
    bool defaultSaver = true;
    bool probe = true;  // log the progress bar (progress_probe.dll beside the test)
    wt::Wizard::Timing timing;
    wt::Wizard::PageCheck check;  // called on every page after the choices are made
};

// Starts Setup and walks it to "Close"; its message boxes (caption "Setup") are answered.
wt::WizardRun DriveSetup(const SetupChoices& choices);

}  // namespace st
