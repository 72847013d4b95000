// Setup run again over an installation, under Wine in a fresh prefix each: after an
// Uninstall whose removals wait for the restart, into another folder, and over one whose
// Add/Remove Programs entry is the user's. In all, exactly one installation is left, and its one removal and a restart leave the
// machine as it was before the first Setup, the saver chosen then included.
#include "install_checks.h"
#include "machine_snapshot.h"
#include "wine_test.h"

#include <gtest/gtest.h>

namespace {

const char kMedium[] = "C:\\medium\\";
const char kLog[] = "C:\\medium\\run.log";
const char kArp[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Whirlmark";

class Reinstall : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kMedium)); }

    static DWORD Run(const std::string& program, const std::string& arguments = "") {
        DeleteFileA(kLog);
        wt::Process p = wt::Launch("\"" + program + "\" /S /LOG=" + kLog + " " + arguments, "C:\\");
        return p.Valid() ? p.Wait(60000) : 99;
    }
    static DWORD Setup(const std::string& arguments = "") { return Run(std::string(kMedium) + "Setup.exe", arguments); }
    static std::string Log() {
        std::string text;
        ic::ReadBytes(kLog, text);
        return text;
    }
    static std::string Machine() { return ic::MachineState({"C:\\medium"}); }

    // Moves the entry's values from HKLM to HKCU, as an install by a user who cannot
    // write HKLM leaves it.
    static bool MoveEntryToUser() {
        HKEY from, to = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kArp, 0, KEY_READ, &from) != ERROR_SUCCESS) return false;
        bool ok = RegCreateKeyExA(HKEY_CURRENT_USER, kArp, 0, nullptr, 0, KEY_WRITE, nullptr, &to, nullptr) == ERROR_SUCCESS;
        for (DWORD i = 0; ok; ++i) {
            char name[256];
            BYTE data[2048];
            DWORD nameSize = sizeof name, size = sizeof data, type = 0;
            LONG rc = RegEnumValueA(from, i, name, &nameSize, nullptr, &type, data, &size);
            if (rc == ERROR_NO_MORE_ITEMS) break;
            ok = rc == ERROR_SUCCESS && RegSetValueExA(to, name, 0, type, data, size) == ERROR_SUCCESS;
        }
        RegCloseKey(from);
        if (to) RegCloseKey(to);
        return ok && RegDeleteKeyA(HKEY_LOCAL_MACHINE, kArp) == ERROR_SUCCESS;
    }
};

}  // namespace

TEST_F(Reinstall, UninstallInstallAgainRestartRemove) {
    const std::string dir = "C:\\Program Files\\Whirlmark\\";
    const std::string before = Machine();
    ASSERT_EQ(Setup(), 0u) << Log();
    const std::vector<std::string> roots{dir, ic::CommonPrograms() + "Whirlmark\\"};
    const std::vector<std::string> installed = ic::Snapshot(roots);
    std::string record, again;
    ASSERT_TRUE(ic::ReadBytes(dir + "Uninstall.rec", record));
    ASSERT_EQ(Run(dir + "Uninstall.exe"), 0u) << Log();
    ASSERT_FALSE(ic::PendingRemovals().empty());  // its own file and folder
    ASSERT_EQ(Setup(), 0u) << Log();
    EXPECT_TRUE(ic::PendingRemovals().empty());
    ASSERT_TRUE(ic::Restart());
    // The restart took nothing of the new installation, whose record is the first one's.
    EXPECT_EQ(ic::Snapshot(roots), installed);
    ASSERT_TRUE(ic::ReadBytes(dir + "Uninstall.rec", again));
    EXPECT_EQ(again, record);
    ASSERT_EQ(Run(dir + "Uninstall.exe"), 0u) << Log();
    ASSERT_TRUE(ic::Restart());
    EXPECT_EQ(Machine(), before);
}

TEST_F(Reinstall, SecondInstallIntoAnotherFolderMovesItAndOneRemovalClearsAll) {
    // A saver chosen by its bare file name, with the screen saver switched off.
    ASSERT_TRUE(ic::WriteBytes(ic::SystemDir() + "other.scr", "another saver"));
    ic::SetSaverEntry("other.scr");
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);
    const std::string before = Machine();

    ASSERT_EQ(Setup("/D=C:\\First\\Whirlmark"), 0u) << Log();
    ASSERT_EQ(Setup("/D=C:\\Second"), 0u) << Log();
    // One installation: the first folder is gone, the entry names the second.
    EXPECT_FALSE(ic::FolderExists("C:\\First"));
    std::string location;
    EXPECT_TRUE(wt::ReadString(HKEY_LOCAL_MACHINE, kArp, "InstallLocation", location));
    EXPECT_EQ(location, "C:\\Second\\");
    EXPECT_EQ(ic::SaverEntry(), ic::ShortPath(ic::SystemDir() + "Whirlmark.scr"));

    ASSERT_EQ(Run("C:\\Second\\Uninstall.exe"), 0u) << Log();
    ASSERT_TRUE(ic::Restart());
    EXPECT_EQ(Machine(), before);
    EXPECT_EQ(ic::SaverEntry(), "other.scr");
    EXPECT_EQ(ic::ScreenSaverSwitch(), "0");
}

TEST_F(Reinstall, EntryMovedFromTheUserToTheMachineLeavesOneAndOneRemovalClearsAll) {
    const std::string dir = "C:\\Program Files\\Whirlmark\\";
    const std::string before = Machine();
    ASSERT_EQ(Setup(), 0u) << Log();
    ASSERT_TRUE(MoveEntryToUser());
    ASSERT_EQ(Setup(), 0u) << Log();
    // The entry is the machine's now, and the user's is gone.
    std::string location;
    EXPECT_TRUE(wt::ReadString(HKEY_LOCAL_MACHINE, kArp, "InstallLocation", location));
    EXPECT_EQ(location, dir);
    EXPECT_EQ(ic::DumpKey(HKEY_CURRENT_USER, kArp), "");
    ASSERT_EQ(Run(dir + "Uninstall.exe"), 0u) << Log();
    ASSERT_TRUE(ic::Restart());
    EXPECT_EQ(Machine(), before);
}
