// Setup.exe /S that fails part-way under Wine, each test in a fresh prefix: whatever
// change fails, everything made before it is undone, and the machine after the product's
// own removal and a restart is the machine before Setup.
#include "install_checks.h"
#include "machine_snapshot.h"
#include "wine_test.h"

#include <gtest/gtest.h>

namespace {

const char kMedium[] = "C:\\medium\\";
const char kLog[] = "C:\\medium\\setup.log";
const char kDir[] = "C:\\Program Files\\Whirlmark\\";

class Rollback : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kMedium)); }
    void TearDown() override { SetEnvironmentVariableA("WHIRL_TEST_FAIL_AT", nullptr); }

    static DWORD Run(const std::string& program, const std::string& arguments) {
        wt::Process p = wt::Launch("\"" + program + "\" " + arguments, "C:\\");
        return p.Valid() ? p.Wait(60000) : 99;
    }
    static DWORD Setup(const std::string& arguments = "") {
        DeleteFileA(kLog);
        return Run(std::string(kMedium) + "Setup.exe", "/S /LOG=" + std::string(kLog) + " " + arguments);
    }
    // Setup made to fail at change `n` (from 1) by the test build's hook.
    static DWORD SetupFailingAt(int n) {
        SetEnvironmentVariableA("WHIRL_TEST_FAIL_AT", std::to_string(n).c_str());
        DWORD code = Setup();
        SetEnvironmentVariableA("WHIRL_TEST_FAIL_AT", nullptr);
        return code;
    }
    static std::string Log() {
        std::string text;
        ic::ReadBytes(kLog, text);
        return text;
    }
    static std::string Machine() { return ic::MachineState({"C:\\medium"}); }
    // The product's own removal, as Add/Remove Programs starts it, then a restart.
    static void RemoveAndRestart() {
        EXPECT_EQ(Run(std::string(kDir) + "Uninstall.exe", "/S"), 0u);
        EXPECT_TRUE(ic::Restart());
    }
};

}  // namespace

TEST_F(Rollback, DestinationThatIsAFileChangesNothingAndSaysSo) {
    ASSERT_TRUE(ic::WriteBytes("C:\\Whirlmark", "a file, not a folder"));
    const std::string before = Machine();
    EXPECT_EQ(Setup("/D=C:\\Whirlmark"), 1u) << Log();
    EXPECT_NE(Log().find("failed  create folder C:\\Whirlmark"), std::string::npos) << Log();
    EXPECT_NE(Log().find("result  Everything Setup had changed was undone: the computer was left as it was."),
              std::string::npos) << Log();
    EXPECT_EQ(Machine(), before);
    EXPECT_TRUE(ic::Restart());
    EXPECT_EQ(Machine(), before);
}

TEST_F(Rollback, FolderThatCannotBeMadeBelowNewLevelsTakesThemAway) {
    const std::string before = Machine();
    // A device name: C:\Deep is made, then its level below cannot be.
    EXPECT_EQ(Setup("/D=C:\\Deep\\CON"), 1u) << Log();
    EXPECT_NE(Log().find("ok      create folder C:\\Deep"), std::string::npos) << Log();
    EXPECT_NE(Log().find("undone  create folder C:\\Deep"), std::string::npos) << Log();
    EXPECT_FALSE(ic::FolderExists("C:\\Deep"));
    EXPECT_EQ(Machine(), before);
    EXPECT_TRUE(ic::Restart());
    EXPECT_EQ(Machine(), before);
}

TEST_F(Rollback, FailureAtEveryChangeOfAFreshInstallIsUndone) {
    const std::string before = Machine();
    int n = 1;
    for (; n < 100; ++n) {
        DWORD code = SetupFailingAt(n);
        if (code == 0) break;  // past the last change: the install is whole
        ASSERT_EQ(code, 1u) << "failing at change " << n << "\n" << Log();
        ASSERT_EQ(Machine(), before) << "failing at change " << n << "\n" << Log();
    }
    EXPECT_GT(n, 30);
    RemoveAndRestart();
    EXPECT_EQ(Machine(), before);
}

TEST_F(Rollback, FailureDuringAnUpgradePutsBackTheInstallationAsItWas) {
    const std::string before = Machine();
    ASSERT_EQ(Setup(), 0u) << Log();
    const std::string installed = Machine();
    // The new medium's read-me differs, so that a replaced file shows.
    ASSERT_TRUE(ic::WriteBytes(std::string(kMedium) + "readme.txt", "Second edition.\r\n"));
    int n = 1;
    for (; n < 100; ++n) {
        DWORD code = SetupFailingAt(n);
        if (code == 0) break;
        ASSERT_EQ(code, 1u) << n << "\n" << Log();
        ASSERT_EQ(Machine(), installed) << "failing at change " << n << "\n" << Log();
    }
    EXPECT_GT(n, 20);
    // Past the last change, the new read-me is in place.
    std::string readme;
    EXPECT_TRUE(ic::ReadBytes(std::string(kDir) + "readme.txt", readme));
    EXPECT_EQ(readme, "Second edition.\r\n");
    RemoveAndRestart();
    EXPECT_EQ(Machine(), before);
}
