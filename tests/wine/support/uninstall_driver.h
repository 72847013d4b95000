// Drives the real Uninstall.exe from a Windows test: its pages, and a whole removal.
#pragma once

#include "wizard_driver.h"

namespace ut {

enum Page { kWelcome, kComplete };
inline constexpr char kWelcomeTitle[] = "Welcome to the Whirlmark uninstall wizard";
inline constexpr char kCompleteTitle[] = "Uninstall complete";

// Walks a started or attached Uninstall wizard (made with caption "Uninstall", so its
// boxes are answered) from the welcome page to "Close"; `check` is called on both pages.
inline wt::WizardRun DriveUninstall(wt::Wizard& w, const wt::Wizard::PageCheck& check = nullptr, bool probe = true) {
    return w.Run({kWelcomeTitle}, {kCompleteTitle}, check, probe);
}

}  // namespace ut
