// Setup.exe and Uninstall.exe run unattended (/S) under Wine, each test in a fresh
// prefix, then the machine inspected: what lands, what survives, what is refused.
#include "install_checks.h"
#include "wine_test.h"

#include <gtest/gtest.h>

namespace {

const char kMedium[] = "C:\\medium\\";
const char kArp[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Whirlmark";
const char kProduct[] = "Software\\Brindlecroft\\Whirlmark";

class Unattended : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kMedium)); }

    // Runs `program` with `arguments`; its exit code.
    static DWORD RunQuietly(const std::string& program, const std::string& arguments) {
        wt::Process p = wt::Launch("\"" + program + "\" " + arguments, "C:\\");
        return p.Valid() ? p.Wait(60000) : 99;
    }

    static DWORD Setup(const std::string& arguments) {
        return RunQuietly(std::string(kMedium) + "Setup.exe", arguments);
    }

    static std::string Log(const char* path) {
        std::string text;
        ic::ReadBytes(path, text);
        return text;
    }

    static std::string Machine(const std::string& installDir) {  // what an install changes
        std::string out;
        for (const std::string& f : ic::Snapshot({installDir, ic::CommonPrograms(), ic::SystemDir()}))
            out += f + "\n";
        return out + ic::DumpKey(kProduct) + ic::SaverEntry();
    }

    static std::string ArpValue(const char* name) {
        std::string value;
        return wt::ReadString(HKEY_LOCAL_MACHINE, kArp, name, value) ? value : "<missing>";
    }
};

}  // namespace

TEST_F(Unattended, RoundTripIntoAnExistingFolderKeepsEveryDecoy) {
    const std::string dir = "C:\\Games\\Whirl mark\\";  // unquoted, with a space
    const std::string programs = ic::CommonPrograms() + "Whirlmark\\";
    ic::MakeFolders(dir);
    ASSERT_TRUE(ic::WriteBytes(dir + "notes.txt", "mine"));
    ic::MakeFolders(programs);
    ASSERT_TRUE(ic::WriteBytes(programs + "Other.lnk", "another program's shortcut"));
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Fernspiral", &key), ERROR_SUCCESS);
    RegCloseKey(key);
    const std::string previous = ic::SystemDir() + "other.scr";
    ASSERT_TRUE(ic::WriteBytes(previous, "another saver"));
    ic::SetSaverEntry(previous.c_str());
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);

    ASSERT_EQ(Setup("/S /LOG=C:\\setup.log /D=" + dir.substr(0, dir.size() - 1)), 0u) << Log("C:\\setup.log");
    EXPECT_EQ(Log("C:\\setup.log").find("failed"), std::string::npos) << Log("C:\\setup.log");
    EXPECT_NE(Log("C:\\setup.log").find("ok      copy C:\\medium\\readme.txt to " + dir + "readme.txt"),
              std::string::npos);
    for (const char* name : {"Uninstall.exe", "license.txt", "readme.txt", "Uninstall.rec"})
        EXPECT_TRUE(ic::FileExists(dir + name)) << name;
    EXPECT_EQ(ic::SaverEntry(), ic::ShortPath(ic::SystemDir() + "Whirlmark.scr"));

    // Add/Remove Programs, as `reg query` would show it.
    EXPECT_EQ(ArpValue("DisplayName"), "Whirlmark");
    EXPECT_EQ(ArpValue("DisplayVersion"), "1.0.0.1");
    EXPECT_EQ(ArpValue("Publisher"), "Brindlecroft");
    EXPECT_EQ(ArpValue("InstallLocation"), dir);
    EXPECT_EQ(ArpValue("UninstallString"), "\"" + dir + "Uninstall.exe\"");
    EXPECT_EQ(ArpValue("QuietUninstallString"), "\"" + dir + "Uninstall.exe\" /S");
    EXPECT_EQ(ArpValue("DisplayIcon"), dir + "Uninstall.exe");
    EXPECT_EQ(ArpValue("URLInfoAbout").rfind("http", 0), 0u);
    DWORD number = 0;
    EXPECT_TRUE(wt::ReadDword(HKEY_LOCAL_MACHINE, kArp, "NoModify", number) && number == 1);
    EXPECT_TRUE(wt::ReadDword(HKEY_LOCAL_MACHINE, kArp, "NoRepair", number) && number == 1);
    EXPECT_TRUE(wt::ReadDword(HKEY_LOCAL_MACHINE, kArp, "EstimatedSize", number) && number > 1000);

    // Removed the way Add/Remove Programs does it, from the installed copy.
    ASSERT_EQ(RunQuietly(dir + "Uninstall.exe", "/S /LOG=C:\\uninstall.log"), 0u) << Log("C:\\uninstall.log");
    EXPECT_EQ(ArpValue("DisplayName"), "<missing>");
    EXPECT_FALSE(ic::KeyExists(kProduct));
    EXPECT_TRUE(ic::KeyExists("Software\\Brindlecroft\\Fernspiral"));
    EXPECT_EQ(ic::Snapshot({dir}).size(), 2u);  // the user's notes and the running Uninstall.exe
    EXPECT_TRUE(ic::FileExists(dir + "notes.txt"));
    EXPECT_FALSE(ic::FileExists(dir + "readme.txt"));
    EXPECT_FALSE(ic::FileExists(dir + "Uninstall.rec"));
    EXPECT_TRUE(ic::FileExists(programs + "Other.lnk"));
    EXPECT_EQ(ic::Snapshot({programs}).size(), 1u);
    EXPECT_FALSE(ic::FileExists(ic::SystemDir() + "Whirlmark.scr"));
    // The saver chosen before is back, switched off as it was.
    EXPECT_EQ(ic::SaverEntry(), previous);
    EXPECT_EQ(ic::ScreenSaverSwitch(), "0");
    // The running Uninstall.exe goes at the next restart; its folder is the user's and stays.
    std::vector<std::string> scheduled = ic::PendingRemovals();
    ASSERT_EQ(scheduled.size(), 1u);
    EXPECT_STRCASEEQ(scheduled[0].c_str(), (dir + "Uninstall.exe").c_str());
}

TEST_F(Unattended, ReadOnlyMediumInstallsWritableFilesAndInstallsAgain) {
    for (const char* name : {"Whirlmark.scr", "Uninstall.exe", "license.txt", "readme.txt"})
        ASSERT_TRUE(SetFileAttributesA((std::string(kMedium) + name).c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string dir = "C:\\Program Files\\Whirlmark\\";
    ASSERT_EQ(Setup("/S"), 0u);
    for (const std::string& file : {ic::SystemDir() + "Whirlmark.scr", dir + "readme.txt", dir + "Uninstall.exe"})
        EXPECT_FALSE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY) << file;
    ASSERT_TRUE(SetFileAttributesA((dir + "license.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Setup("/S /LOG=C:\\again.log"), 0u) << Log("C:\\again.log");
    ASSERT_TRUE(SetFileAttributesA((dir + "license.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    ic::MakeFolders("C:\\elsewhere");
    ASSERT_TRUE(CopyFileA((dir + "Uninstall.exe").c_str(), "C:\\elsewhere\\Uninstall.exe", FALSE));
    EXPECT_EQ(RunQuietly("C:\\elsewhere\\Uninstall.exe", "/S"), 0u);
    EXPECT_FALSE(ic::FolderExists(dir));
}

TEST_F(Unattended, ForeignFileRefusesWithExitTwoAndChangesNothing) {
    const std::string dir = "C:\\Shared\\";
    ic::MakeFolders(dir);
    ASSERT_TRUE(ic::WriteBytes(dir + "readme.txt", "someone else's read-me"));
    const std::string before = Machine(dir);
    EXPECT_EQ(Setup("/S /LOG=C:\\setup.log /D=C:\\Shared"), 2u);
    EXPECT_NE(Log("C:\\setup.log").find("refused " + dir + "readme.txt"), std::string::npos) << Log("C:\\setup.log");
    EXPECT_EQ(Machine(dir), before);
    std::string readme;
    EXPECT_TRUE(ic::ReadBytes(dir + "readme.txt", readme));
    EXPECT_EQ(readme, "someone else's read-me");

    // Another program's shortcut of one of our names in the program folder.
    const std::string programs = ic::CommonPrograms() + "Whirlmark\\";
    ic::MakeFolders(programs);
    ASSERT_TRUE(ic::WriteBytes(programs + "Readme.lnk", "another program's shortcut"));
    EXPECT_EQ(Setup("/S /LOG=C:\\setup.log /D=C:\\Elsewhere"), 2u);
    EXPECT_NE(Log("C:\\setup.log").find("refused " + programs + "Readme.lnk"), std::string::npos) << Log("C:\\setup.log");
    EXPECT_FALSE(ic::FolderExists("C:\\Elsewhere"));
}

TEST_F(Unattended, RelativeDestinationAndBadArgumentsAreRefused) {
    const std::string before = Machine("C:\\Whirlmark\\");
    EXPECT_EQ(Setup("/S /D=Whirlmark\\"), 2u);
    EXPECT_EQ(Setup("/S /D=\\Whirlmark"), 2u);
    EXPECT_EQ(Setup("/S /Q"), 2u);
    EXPECT_EQ(Machine("C:\\Whirlmark\\"), before);
    EXPECT_FALSE(ic::FolderExists("C:\\medium\\Whirlmark"));
}

TEST_F(Unattended, Windows95FamilyRemovesTheRunningUninstallerThroughWininit) {
    ASSERT_TRUE(wt::SetWindowsVersion("win98"));
    const std::string dir = "C:\\Program Files\\Whirlmark\\";
    ASSERT_TRUE(ic::WriteBytes("C:\\windows\\wininit.ini", "[rename]\r\nNUL=C:\\OLD.TMP\r\n"));
    ASSERT_EQ(Setup("/S"), 0u);
    ASSERT_EQ(RunQuietly(dir + "Uninstall.exe", "/S"), 0u);
    std::string wininit;
    ASSERT_TRUE(ic::ReadBytes("C:\\windows\\wininit.ini", wininit));
    // The earlier entry stays first; the file, then its folder, follow in short form.
    const std::string expected = "[rename]\r\nNUL=C:\\OLD.TMP\r\nNUL=" + ic::ShortPath(dir + "Uninstall.exe") +
                                 "\r\nNUL=" + ic::ShortPath(dir.substr(0, dir.size() - 1)) + "\r\n";
    EXPECT_EQ(wininit, expected);
    EXPECT_TRUE(ic::PendingRemovals().empty());
}
