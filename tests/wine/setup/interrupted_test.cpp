// Setup.exe /S stopped part-way, as a kill or a power cut would stop it (the test
// build's hook ends it right after change N), under Wine in a fresh prefix: right after
// each stop, whatever changed outside the install folder (but for the entry being
// written) can be found from Add/Remove Programs, with its Uninstall.exe and record;
// Setup run again undoes the stopped run from its journal and installs, and one removal
// and a restart leave the machine as it was.
#include "install_checks.h"
#include "machine_snapshot.h"
#include "wine_test.h"

#include <gtest/gtest.h>

namespace {

const char kMedium[] = "C:\\medium\\";
const char kDir[] = "C:\\Program Files\\Whirlmark\\";
const char kArp[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Whirlmark";

DWORD RunQuietly(const std::string& program, const std::string& arguments) {
    wt::Process p = wt::Launch("\"" + program + "\" " + arguments, "C:\\");
    return p.Valid() ? p.Wait(60000) : 99;
}

DWORD SetupStoppedAfter(int n) {
    SetEnvironmentVariableA("WHIRL_TEST_STOP_AFTER", std::to_string(n).c_str());
    DWORD code = RunQuietly(std::string(kMedium) + "Setup.exe", "/S");
    SetEnvironmentVariableA("WHIRL_TEST_STOP_AFTER", nullptr);
    return code;
}

std::string Machine() { return ic::MachineState({"C:\\medium"}); }
// The same without the shortcuts' bytes, which hold their target's file times.
std::string MachineOverShortcuts() {
    std::string all = Machine(), out;
    for (std::size_t at = 0; at < all.size();) {
        std::size_t end = all.find('\n', at);
        end = end == std::string::npos ? all.size() : end + 1;
        std::string line = all.substr(at, end - at);
        const std::size_t link = line.find(".lnk ");
        out += link == std::string::npos ? line : line.substr(0, line.rfind(' ')) + "\n";
        at = end;
    }
    return out;
}
// Outside the install folder, and without the entry itself (a stop inside its writing
// leaves a key without its values, which Add/Remove Programs does not show).
std::string Outside() {
    std::string all = ic::MachineState({"C:\\medium", "C:\\Program Files\\Whirlmark"}), out;
    for (std::size_t at = 0; at < all.size();) {
        std::size_t end = all.find('\n', at);
        end = end == std::string::npos ? all.size() : end + 1;
        const std::string line = all.substr(at, end - at);
        if (line.find("Uninstall\\Whirlmark") == std::string::npos) out += line;
        at = end;
    }
    return out;
}

}  // namespace

TEST(Interrupted, SetupStoppedAtManyPointsIsCompletedByRunningItAgain) {
    ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kMedium));
    const std::string before = Machine(), outsideBefore = Outside();
    int n = 1, stops = 0;
    for (; n < 100; n += 2) {
        DWORD code = SetupStoppedAfter(n);
        if (code == 0) break;  // past the last change
        ASSERT_EQ(code, 9u) << "stopped after change " << n;
        ++stops;
        if (Outside() != outsideBefore) {
            std::string uninstall;
            EXPECT_TRUE(wt::ReadString(HKEY_LOCAL_MACHINE, kArp, "UninstallString", uninstall))
                << "a change outside the install folder without an entry, after change " << n;
            EXPECT_EQ(uninstall, "\"" + std::string(kDir) + "Uninstall.exe\"");
            EXPECT_TRUE(ic::FileExists(std::string(kDir) + "Uninstall.exe")) << n;
            EXPECT_TRUE(ic::FileExists(std::string(kDir) + "Uninstall.rec")) << n;
        }
        ASSERT_EQ(RunQuietly(std::string(kMedium) + "Setup.exe", "/S"), 0u) << "Setup again after change " << n;
        ASSERT_EQ(RunQuietly(std::string(kDir) + "Uninstall.exe", "/S"), 0u) << n;
        ASSERT_TRUE(ic::Restart());
        ASSERT_EQ(Machine(), before) << "stopped after change " << n;
    }
    EXPECT_GT(stops, 10);
}

// An upgrade stopped part-way has replaced files it keeps copies of. Setup run again
// puts back, from the stopped run's journal, the installation as it was, even when the
// new run then fails at its first change.
TEST(Interrupted, UpgradeStoppedAtManyPointsIsUndoneBySetupAgain) {
    ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kMedium));
    const std::string before = Machine();
    ASSERT_EQ(RunQuietly(std::string(kMedium) + "Setup.exe", "/S"), 0u);
    const std::string installed = MachineOverShortcuts();
    int stops = 0;
    for (int n = 1; n < 100; n += 2) {
        DWORD code = SetupStoppedAfter(n);
        if (code == 0) break;
        ASSERT_EQ(code, 9u) << "stopped after change " << n;
        ++stops;
        EXPECT_TRUE(ic::FileExists(std::string(kDir) + "Setup.jnl")) << n;
        SetEnvironmentVariableA("WHIRL_TEST_FAIL_AT", "1");
        ASSERT_EQ(RunQuietly(std::string(kMedium) + "Setup.exe", "/S"), 1u) << "Setup again after change " << n;
        SetEnvironmentVariableA("WHIRL_TEST_FAIL_AT", nullptr);
        ASSERT_EQ(MachineOverShortcuts(), installed) << "stopped after change " << n;
    }
    EXPECT_GT(stops, 10);
    ASSERT_EQ(RunQuietly(std::string(kDir) + "Uninstall.exe", "/S"), 0u);
    ASSERT_TRUE(ic::Restart());
    EXPECT_EQ(Machine(), before);
}
