// Setup.exe /S and Uninstall.exe /S in code page 932 (wine-run's WHIRL_LOCALE is
// ja_JP.UTF-8 for this program): install folders whose names end in a character whose
// second byte is "\" (表, 0x95 0x5C) or hold one whose second byte is "|" (ポ, 0x83 0x7C).
// The files must land inside the folder, the record, shortcuts and entries must name it,
// and after the removal and a restart (wineboot -r) the machine must be as before.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "install_checks.h"
#include "install_record.h"
#include "machine_snapshot.h"
#include "wine_test.h"

namespace {

const char kMedium[] = "C:\\medium\\";
const char kArp[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Whirlmark";
// In code page 932. The test program runs in it, so its own A calls read them as Setup does.
const char kTable[] = "C:\\\x95\x5C";                              // C:\表
const char kPocket[] = "C:\\\x83\x7C\x83\x50\x83\x62\x83\x67";  // C:\ポケット

std::string Log(const std::string& path) {
    std::string text;
    ic::ReadBytes(path, text);
    return text;
}

DWORD RunQuietly(const std::string& commandLine) {
    wt::Process p = wt::Launch(commandLine, "C:\\");
    return p.Valid() ? p.Wait(90000) : 99;
}

// The files and folders directly in C:\, sorted.
std::vector<std::string> TopLevel() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA("C:\\*", &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (lstrcmpA(data.cFileName, ".") && lstrcmpA(data.cFileName, ".."))
            names.push_back(std::string("C:\\") + data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

class CodePage932 : public ::testing::Test {
protected:
    void SetUp() override {
        if (GetACP() != 932) {
            char problem[1024] = "";
            GetEnvironmentVariableA("WHIRL_LOCALE_PROBLEM", problem, sizeof problem);
            GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932: "
                         << (problem[0] ? problem : "Wine did not take it from LC_ALL=ja_JP.UTF-8");
        }
        // The names are the double-byte characters they are meant to be.
        WCHAR wide[16] = L"";
        ASSERT_GT(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, kTable, -1, wide, 16), 0);
        ASSERT_STREQ(wide, L"C:\\\x8868");
        ASSERT_GT(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, kPocket, -1, wide, 16), 0);
        ASSERT_STREQ(wide, L"C:\\\x30DD\x30B1\x30C3\x30C8");
        ASSERT_TRUE(ic::CopyFolderFiles(ic::BuiltMedium(), kMedium));
        // A machine in use: a screen saver chosen and switched off, another product of the
        // maker installed.
        const std::string previous = ic::SystemDir() + "other.scr";
        ASSERT_TRUE(ic::WriteBytes(previous, "another saver"));
        ic::SetSaverEntry(previous.c_str());
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE);
        HKEY key;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Fernspiral", &key), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // Installs into `folder` (given without its "\"), checks what landed, removes it and
    // restarts, and checks that the machine is as it was.
    static void RoundTrip(const std::string& folder) {
        const std::string dir = folder + "\\";
        const std::string programs = ic::CommonPrograms() + "Whirlmark\\";
        const std::string setupLog = "C:\\windows\\temp\\setup.log", uninstallLog = "C:\\windows\\temp\\uninstall.log";
        const std::string before = ic::MachineState();
        const std::vector<std::string> topBefore = TopLevel();

        ASSERT_EQ(RunQuietly(std::string("\"") + kMedium + "Setup.exe\" /S /LOG=" + setupLog + " /D=" + folder), 0u)
            << Log(setupLog);
        EXPECT_EQ(Log(setupLog).find("failed"), std::string::npos) << Log(setupLog);

        // The files are inside the folder, and nothing new lies beside it in C:\.
        for (const char* name : {"Uninstall.exe", "license.txt", "readme.txt", "Uninstall.rec"})
            EXPECT_TRUE(ic::FileExists(dir + name)) << dir + name;
        std::vector<std::string> expected = topBefore;
        expected.push_back(folder);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(TopLevel(), expected);
        EXPECT_TRUE(ic::FileExists(ic::SystemDir() + "Whirlmark.scr"));

        // The record, as Uninstall reads it.
        std::string text;
        ASSERT_TRUE(ic::ReadBytes(dir + "Uninstall.rec", text));
        const std::optional<product::InstallRecord> record = product::ReadRecord(text);
        ASSERT_TRUE(record.has_value()) << text;
        EXPECT_EQ(record->installDir, dir);
        EXPECT_EQ(record->programFolder, programs);
        for (int i = 0; i < product::kItemCount; ++i)
            EXPECT_TRUE(record->created[i]) << product::ItemName(static_cast<product::Item>(i));
        EXPECT_EQ(record->createdFolders, (std::vector<std::string>{folder, programs.substr(0, programs.size() - 1)}));

        // The shortcuts, loaded back.
        const std::pair<const char*, const char*> links[] = {
            {"Uninstall.lnk", "Uninstall.exe"}, {"Readme.lnk", "readme.txt"}, {"License.lnk", "license.txt"}};
        for (const auto& link : links) {
            ic::Link loaded;
            ASSERT_TRUE(ic::LoadShortcut(programs + link.first, loaded)) << link.first;
            EXPECT_EQ(loaded.target, dir + link.second) << link.first;
        }

        // The registry: the product's locations and the Add/Remove Programs entry.
        const std::pair<const char*, std::string> settings[] = {{"DataRoot", dir}, {"ProgramFolder", programs}};
        for (const auto& v : settings) {
            std::string value = "<missing>";
            wt::ReadString(HKEY_CURRENT_USER, "Software\\Brindlecroft\\Whirlmark\\1.0\\Settings", v.first, value);
            EXPECT_EQ(value, v.second) << v.first;
        }
        const std::pair<const char*, std::string> entry[] = {{"InstallLocation", dir},
                                                             {"UninstallString", "\"" + dir + "Uninstall.exe\""},
                                                             {"QuietUninstallString", "\"" + dir + "Uninstall.exe\" /S"},
                                                             {"DisplayIcon", dir + "Uninstall.exe"}};
        for (const auto& e : entry) {
            std::string value = "<missing>";
            wt::ReadString(HKEY_LOCAL_MACHINE, kArp, e.first, value);
            EXPECT_EQ(value, e.second) << e.first;
        }
        EXPECT_EQ(ic::SaverEntry(), ic::ShortPath(ic::SystemDir() + "Whirlmark.scr"));

        // Removed the way Add/Remove Programs does it, then a restart.
        ASSERT_EQ(RunQuietly("\"" + dir + "Uninstall.exe\" /S /LOG=" + uninstallLog), 0u) << Log(uninstallLog);
        EXPECT_EQ(Log(uninstallLog).find("failed"), std::string::npos) << Log(uninstallLog);
        // The running Uninstall.exe and the folder Setup made go at the restart.
        const std::vector<std::string> pending = ic::PendingRemovals();
        ASSERT_EQ(pending.size(), 2u);
        EXPECT_STRCASEEQ(pending[0].c_str(), (dir + "Uninstall.exe").c_str());
        EXPECT_STRCASEEQ(pending[1].c_str(), folder.c_str());
        ASSERT_TRUE(ic::Restart());
        EXPECT_FALSE(ic::FolderExists(folder));
        EXPECT_EQ(ic::MachineState(), before);
    }
};

}  // namespace

TEST_F(CodePage932, RoundTripIntoAFolderWhoseLastByteIsABackslashCode) { RoundTrip(kTable); }

TEST_F(CodePage932, RoundTripIntoAFolderHoldingTheCodeOfABar) { RoundTrip(kPocket); }
