// Setup driver for the Windows tests: see setup_driver.h.
#include "setup_driver.h"

#include "install_checks.h"
#include "install_layout.h"

namespace st {

void MakeMedium(const std::string* licence, const std::string& folder) {
    ic::CopyFolderFiles(ic::BuiltMedium(), folder);
    const std::string path = folder + layout::kLicense;
    if (licence)
        ic::WriteBytes(path, *licence);
    else
        DeleteFileA(path.c_str());
}

Wizard::Wizard(const std::string& medium, const std::string& workDir) {
    Launch(medium + "Setup.exe", workDir.empty() ? medium : workDir);
}

bool Wizard::WalkTo(int index) {
    if (!WaitForSheet()) return false;
    for (int i = kLicense; i <= index; ++i)
        if (!Next(i)) return false;
    return true;
}

bool Wizard::Install(DWORD ms) {
    Press(PSBTN_NEXT);
    return wt::WaitUntil([&] { return !AnswerBox() && PageIndex() == kComplete; }, ms);
}

wt::WizardRun DriveSetup(const SetupChoices& c) {
    wt::Wizard w("Setup");
    w.timing = c.timing;
    if (!w.Start(c.medium + "Setup.exe", c.medium)) return wt::WizardRun();
    auto choose = [&](wt::Wizard& w, int page) {
        if (page == kDestination && !c.installDir.empty()) w.SetText(kDestFolder, c.installDir);
        if (page == kProgramFolder && !c.folderName.empty()) w.SetText(kProgramFolderEdit, c.folderName);
        if (page == kExtraOptions) w.SetCheck(kDefaultSaver, c.defaultSaver ? BST_CHECKED : BST_UNCHECKED);
        return !c.check || c.check(w, page);
    };
    return w.Run(std::vector<std::string>(kTitles, kTitles + kComplete), {kTitles[kComplete], kIncomplete}, choose,
                 c.probe);
}

}  // namespace st
