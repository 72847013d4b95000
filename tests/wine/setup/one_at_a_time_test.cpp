// Setup and Uninstall one at a time, under Wine in a fresh prefix: while a Setup wizard
// is open, a second Setup (unattended or not) and an Uninstall end with exit code 2 and
// change nothing; the first installs, and its removal leaves the machine as it was.
#include "install_checks.h"
#include "machine_snapshot.h"
#include "setup_driver.h"

#include <gtest/gtest.h>

namespace {

const char kLog[] = "C:\\medium\\second.log";

DWORD RunQuietly(const std::string& commandLine) {
    wt::Process p = wt::Launch(commandLine, "C:\\");
    return p.Valid() ? p.Wait(60000) : 99;
}

std::string Log() {
    std::string text;
    ic::ReadBytes(kLog, text);
    return text;
}

}  // namespace

TEST(OneAtATime, SecondSetupAndUninstallExitTwoWhileSetupRuns) {
    ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), "C:\\medium\\"));
    const std::string before = ic::MachineState({"C:\\medium"});
    std::string during;
    DWORD silentSetup = 0, silentUninstall = 0, wizardSetup = 0;
    std::string refusal, box;
    st::SetupChoices choices;
    choices.probe = false;
    choices.check = [&](wt::Wizard&, int page) {
        if (page != st::kWelcome) return true;
        silentSetup = RunQuietly("C:\\medium\\Setup.exe /S /LOG=" + std::string(kLog));
        refusal = Log();
        silentUninstall = RunQuietly("C:\\medium\\Uninstall.exe /S");
        wt::Process second = wt::Launch("C:\\medium\\Setup.exe", "C:\\medium");
        HWND found = nullptr;
        wt::WaitUntil([&] { return (found = wt::FindMessageBox(second.Id(), nullptr, "Whirlmark Setup")) != nullptr; });
        if (found) {
            box = wt::MessageBoxText(found);
            wt::AnswerMessageBox(found);
        }
        wizardSetup = second.Wait(20000);
        during = ic::MachineState({"C:\\medium"});
        return true;
    };
    wt::WizardRun run = st::DriveSetup(choices);
    EXPECT_EQ(silentSetup, 2u);
    EXPECT_EQ(refusal, "refused Setup is already running.\r\n");
    EXPECT_EQ(silentUninstall, 2u);
    EXPECT_EQ(box, "Setup is already running.");
    EXPECT_EQ(wizardSetup, 2u);
    EXPECT_EQ(during, before);
    EXPECT_TRUE(run.completed) << run.page;
    EXPECT_EQ(run.exitCode, 0u);

    EXPECT_EQ(RunQuietly("\"C:\\Program Files\\Whirlmark\\Uninstall.exe\" /S"), 0u);
    EXPECT_TRUE(ic::Restart());
    EXPECT_EQ(ic::MachineState({"C:\\medium"}), before);
}
