// Uninstall's removal steps called directly, in a fresh prefix, for what the wizard
// tests do not make: the saver named in its long form, and another program's key below
// the Add/Remove Programs entry.
#include "ansi_code_page.h"
#include "install_checks.h"
#include "removal_steps.h"
#include "uninstall_entry.h"
#include "wine_test.h"

#include <gtest/gtest.h>

namespace {

struct Recorder : uninstall::RemovalFeedback {
    std::vector<int> progress;
    void SetProgress(int position) override { progress.push_back(position); }
};

}  // namespace

TEST(RemovalSteps, LongFormOfTheSaverEntryIsRecognisedToo) {
    ASSERT_TRUE(ic::WriteBytes(ic::SystemDir() + "whirlmark.scr", "saver"));
    ic::SetSaverEntry((ic::SystemDir() + "WHIRLMARK.SCR").c_str());
    Recorder r;
    uninstall::CarryOutRemoval(uninstall::MakeRemovalPlan({ic::SystemDir(), "", ""}, product::IsAnsiLeadByte), r);
    EXPECT_EQ(ic::SaverEntry(), "");
    EXPECT_FALSE(ic::FileExists(ic::SystemDir() + "whirlmark.scr"));
    EXPECT_EQ(r.progress, (std::vector<int>{0, 30, 90, 100}));
}

TEST(RemovalSteps, EntryWithAnotherProgramsKeyBelowIsEmptiedNotDeleted) {
    const std::string entry = product::kUninstallKey, below = entry + "\\Other";
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, below.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_TRUE(ic::KeyExists(entry));
    ASSERT_TRUE(wt::SetString(entry.c_str(), "DisplayName", "Whirlmark"));
    Recorder r;
    product::StepLog log;
    uninstall::Removal removal;
    uninstall::CarryOutRemoval(removal, r, log);
    EXPECT_TRUE(log.Failures().empty());
    // Add/Remove Programs no longer lists it; the other program's key stays.
    EXPECT_EQ(ic::DumpKey(entry), entry + "\n" + below + "\n");
}
