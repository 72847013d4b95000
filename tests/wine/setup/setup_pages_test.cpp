// Drives the real Setup.exe under Wine through its wizard pages: page order and the
// buttons of each page, the licence text, the free-space check on a really small
// drive, the folder browser, the program-folder list for both Windows families, the
// extra option, the ways out, and a screenshot of every page.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install_checks.h"
#include "install_layout.h"
#include "setup_driver.h"

using st::kTitles;
using st::Wizard;

namespace {

// A licence of `size` bytes in CRLF lines of 50 bytes.
std::string Licence(size_t size) {
    std::string text;
    for (int line = 1; text.size() < size; ++line) {
        char buf[64];
        wsprintfA(buf, "Line %04d of the Whirlmark licence agreement text.\r\n", line);
        text += std::string(buf).substr(0, 48) + "\r\n";
    }
    return text.substr(0, size);
}

// Nothing of the product is on the machine.
void ExpectNothingInstalled() {
    EXPECT_FALSE(ic::KeyExists("Software\\Brindlecroft\\Whirlmark"));
    EXPECT_EQ(GetFileAttributesA("C:\\Program Files\\Whirlmark"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((ic::SystemDir() + layout::kSaverFile).c_str()), INVALID_FILE_ATTRIBUTES);
    const std::string saver = ic::SaverEntry();
    EXPECT_EQ(saver.find("WHIR"), std::string::npos) << saver;
    EXPECT_EQ(saver.find("whir"), std::string::npos) << saver;
}

// Button states of one page: Back, Next and its caption, Cancel's caption, and Help
// never visible.
void ExpectButtons(Wizard& s, bool backEnabled, bool nextEnabled, const char* next, const char* cancel) {
    wt::Button back = s.GetButton(wt::kBack), nx = s.GetButton(wt::kNext), cn = s.GetButton(wt::kCancel);
    EXPECT_TRUE(back.visible);
    EXPECT_EQ(back.enabled, backEnabled);
    EXPECT_TRUE(nx.visible);
    EXPECT_EQ(nx.enabled, nextEnabled);
    EXPECT_EQ(nx.text, next);
    EXPECT_TRUE(cn.visible && cn.enabled);
    EXPECT_EQ(cn.text, cancel);
    EXPECT_FALSE(s.GetButton(wt::kHelp).visible);
}

std::vector<std::string> ListEntries(HWND list) {
    std::vector<std::string> entries;
    DWORD_PTR count = 0;
    SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
    for (DWORD_PTR i = 0; i < count; ++i) {
        // Read wide: Wine hands a list box's text to another process unconverted.
        wchar_t wide[MAX_PATH] = L"";
        DWORD_PTR got = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG, 5000, &got);
        char text[MAX_PATH * 2] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        entries.emplace_back(text);
    }
    return entries;
}

std::string Joined(const std::vector<std::string>& list) {
    std::string all;
    for (const std::string& e : list) all += "[" + e + "]";
    return all;
}

bool Contains(const std::vector<std::string>& list, const std::string& entry) {
    for (const std::string& e : list)
        if (e == entry) return true;
    return false;
}

std::string SpecialFolder(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path);
    return path;
}

class SetupWizard : public ::testing::Test {
protected:
    void SetUp() override {
        std::string licence = Licence(600);
        st::MakeMedium(&licence);
        // The test displays have no window manager: Wine draws the captions itself, so
        // that the screenshots show title bars.
        wt::SetString("Software\\Wine\\X11 Driver", "Decorated", "N");
    }
};

// ---- The sheet ----

TEST_F(SetupWizard, PagesInOrderWithTheirButtons) {
    Wizard s;
    ASSERT_TRUE(s.WaitForSheet());
    ASSERT_EQ(s.PageIndex(), st::kWelcome);
    EXPECT_EQ(s.PageTitle(), kTitles[st::kWelcome]);
    ExpectButtons(s, false, true, "&Next", "&Cancel");
    wt::Screenshot("setup/1-welcome");

    ASSERT_TRUE(s.Next(st::kLicense));
    EXPECT_EQ(s.PageTitle(), kTitles[st::kLicense]);
    ExpectButtons(s, true, true, "&Yes", "&No");
    wt::Screenshot("setup/2-license");

    // Back to the welcome page restores its buttons.
    ASSERT_TRUE(s.Back(st::kWelcome));
    ExpectButtons(s, false, true, "&Next", "&Cancel");
    ASSERT_TRUE(s.Next(st::kLicense));

    ASSERT_TRUE(s.Next(st::kDestination));
    EXPECT_EQ(s.PageTitle(), kTitles[st::kDestination]);
    ExpectButtons(s, true, true, "&Next", "&Cancel");
    EXPECT_EQ(s.ItemText(st::kDestFolder), "C:\\Program Files\\Whirlmark\\");
    EXPECT_FALSE(IsWindowVisible(s.Item(st::kSpaceWarning)));
    wt::Screenshot("setup/3-destination");

    ASSERT_TRUE(s.Next(st::kProgramFolder));
    EXPECT_EQ(s.PageTitle(), kTitles[st::kProgramFolder]);
    ExpectButtons(s, true, true, "&Next", "&Cancel");
    EXPECT_EQ(s.ItemText(st::kProgramFolderEdit), "Whirlmark");
    wt::Screenshot("setup/4-program-folder");

    ASSERT_TRUE(s.Next(st::kExtraOptions));
    EXPECT_EQ(s.PageTitle(), kTitles[st::kExtraOptions]);
    ExpectButtons(s, true, true, "&Next", "&Cancel");
    EXPECT_EQ(SendMessageA(s.Item(st::kDefaultSaver), BM_GETCHECK, 0, 0), BST_CHECKED);
    wt::Screenshot("setup/5-extra-options");

    ASSERT_TRUE(s.Next(st::kStartCopy));
    EXPECT_EQ(s.PageTitle(), kTitles[st::kStartCopy]);
    ExpectButtons(s, true, true, "&Next", "&Cancel");
    EXPECT_FALSE(IsWindowVisible(s.Item(wt::kProgressBar)));
    wt::Screenshot("setup/6-start-copy");

    ASSERT_TRUE(s.Install());
    EXPECT_TRUE(s.boxes.empty()) << s.boxes.front();
    EXPECT_EQ(s.PageTitle(), kTitles[st::kComplete]);
    wt::Button finish = s.GetButton(wt::kFinish);
    EXPECT_TRUE(finish.visible && finish.enabled);
    EXPECT_EQ(finish.text, "Close");
    EXPECT_FALSE(s.GetButton(wt::kBack).visible);
    EXPECT_FALSE(s.GetButton(wt::kNext).visible);
    EXPECT_FALSE(s.GetButton(wt::kHelp).visible);
    wt::Screenshot("setup/7-complete");

    s.Press(PSBTN_FINISH);
    EXPECT_EQ(s.WaitForExit(), 0u);
}

TEST_F(SetupWizard, NoOnTheLicencePageEndsAtOnceChangingNothing) {
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kLicense));
    DWORD start = GetTickCount();
    s.Press(PSBTN_CANCEL);
    EXPECT_EQ(s.WaitForExit(5000), 2u);  // a script must not take it for an install
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(s.WaitForBox(300), nullptr);
    ExpectNothingInstalled();
}

TEST_F(SetupWizard, EscapeEndsAtOnceOnAnyPage) {
    for (int page : {st::kLicense, st::kExtraOptions}) {
        Wizard s;
        ASSERT_TRUE(s.WalkTo(page));
        PostMessageA(GetDlgItem(s.Sheet(), wt::kNext), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(GetDlgItem(s.Sheet(), wt::kNext), WM_KEYUP, VK_ESCAPE, 0xC0010001);
        EXPECT_EQ(s.WaitForExit(5000), 2u) << "page " << page;
    }
    ExpectNothingInstalled();
}

TEST_F(SetupWizard, CancelOnTheCompletionPageEndsToo) {
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kStartCopy));
    ASSERT_TRUE(s.Install());
    s.Press(PSBTN_CANCEL);
    EXPECT_EQ(s.WaitForExit(), 0u);
}

TEST_F(SetupWizard, AnotherPlatformGetsOnlyThePlatformBox) {
    wt::SetWindowsVersion("win31");  // Wine then reports the Win32s platform, 0
    Wizard s;
    HWND box = s.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Wizard::BoxText(box),
              "Platform error|Sorry, this program is not designed to run on this operating system");
    EXPECT_EQ(wt::WaitForWindow("#32770", "Whirlmark Setup", s.Id(), 300), nullptr);
    wt::Screenshot("setup/platform-error");
    wt::AnswerMessageBox(box, IDOK);
    EXPECT_EQ(s.WaitForExit(), 2u);
    ExpectNothingInstalled();
}

// ---- Licence ----

TEST_F(SetupWizard, LicenceShowsTheFirst2560Bytes) {
    std::string licence = Licence(3000);
    st::MakeMedium(&licence);
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kLicense));
    EXPECT_EQ(s.ItemText(st::kLicenseText), licence.substr(0, 2560));
}

TEST_F(SetupWizard, LicenceStopsAtAZeroByte) {
    std::string licence("Terms before the zero.\r\nMore terms.", 35);
    licence += std::string(1, '\0') + "Hidden after the zero.";
    st::MakeMedium(&licence);
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kLicense));
    EXPECT_EQ(s.ItemText(st::kLicenseText), "Terms before the zero.\r\nMore terms.");
}

TEST_F(SetupWizard, MissingLicenceIsReportedOnEachActivation) {
    st::MakeMedium(nullptr);
    Wizard s;
    ASSERT_TRUE(s.WaitForSheet());
    for (int visit = 0; visit < 2; ++visit) {
        s.Press(PSBTN_NEXT);
        HWND box = s.WaitForBox();
        ASSERT_NE(box, nullptr) << "visit " << visit;
        EXPECT_EQ(Wizard::BoxText(box), "Setup|Could not find license file");
        if (visit == 0) wt::Screenshot("setup/2-license-missing");
        wt::AnswerMessageBox(box, IDOK);
        ASSERT_TRUE(s.WaitForPage(st::kLicense));
        EXPECT_EQ(s.ItemText(st::kLicenseText), "");
        if (visit == 0) {
            ASSERT_TRUE(s.Back(st::kWelcome));
        }
    }
    // "&Yes" still moves on.
    ASSERT_TRUE(s.Next(st::kDestination));
}

TEST_F(SetupWizard, LicenceIsFoundBesideSetupFromAnotherCurrentFolder) {
    std::string licence = "Licence beside Setup.exe.";
    st::MakeMedium(&licence);
    Wizard s(st::kMedium, "C:\\windows");
    ASSERT_TRUE(s.WalkTo(st::kLicense));
    EXPECT_EQ(s.WaitForBox(300), nullptr);
    EXPECT_EQ(s.ItemText(st::kLicenseText), licence);
}

// ---- Destination ----

// A drive letter mapped to a small tmpfs for the test's lifetime (needs root).
class SmallDrive {
public:
    // `letter` 'd' maps D: to a fresh 3 MB drive. `letter` 'c' gives C: 1 MB of free
    // space: its folders stay reachable through links from the small drive.
    explicit SmallDrive(char letter) : m_letter(letter) {
        m_dir = std::string("$WHIRL_RUN_DIR/small-") + letter;
        std::string fill;
        if (letter == 'c')
            fill = " && for e in $WINEPREFIX/drive_c/*; do ln -s \"$e\" " + m_dir + "/; done";
        std::string size = letter == 'c' ? "1m" : "3m";
        m_ok = wt::RunUnix("mkdir -p " + m_dir + " && mount -t tmpfs -o size=" + size + " tmpfs " + m_dir +
                           fill + " && ln -sfn " + m_dir + " $WINEPREFIX/dosdevices/" + letter + ": && touch " +
                           m_dir + "/.mounted") &&
               Mounted();
    }
    ~SmallDrive() {
        std::string restore = m_letter == 'c' ? "ln -sfn ../drive_c $WINEPREFIX/dosdevices/c:; "
                                              : "rm -f $WINEPREFIX/dosdevices/" + std::string(1, m_letter) + ":; ";
        wt::RunUnix(restore + "umount -l " + m_dir + "; rmdir " + m_dir);
    }
    bool ok() const { return m_ok; }

private:
    bool Mounted() {
        std::string root = std::string(1, static_cast<char>(m_letter - 'a' + 'A')) + ":\\.mounted";
        return GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    char m_letter;
    std::string m_dir;
    bool m_ok = false;
};

// Types `folder` on the destination page and comes back to it, so the check runs on it.
void StoreAndReturn(Wizard& s, const std::string& folder) {
    s.SetText(st::kDestFolder, folder);
    ASSERT_TRUE(s.Next(st::kProgramFolder));
    ASSERT_TRUE(s.Back(st::kDestination));
}

TEST_F(SetupWizard, ShortDestinationDriveWarnsAndDisablesNext) {
    SmallDrive d('d');
    ASSERT_TRUE(d.ok()) << "could not mount a small drive D:";
    ULARGE_INTEGER free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("D:\\", &free, nullptr, nullptr));
    EXPECT_LT(free.QuadPart, 5000000u);

    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kDestination));
    // Leaving the page checks the typed folder's drive and keeps the user there.
    s.SetText(st::kDestFolder, "D:\\Whirlmark");
    EXPECT_FALSE(s.Next(st::kProgramFolder, 3000));
    EXPECT_EQ(s.PageIndex(), st::kDestination);
    EXPECT_TRUE(IsWindowVisible(s.Item(st::kSpaceWarning)));
    EXPECT_EQ(s.ItemText(st::kSpaceWarning), "Warning: insufficient disk space on drive D:");
    wt::Screenshot("setup/3-destination-short");

    // Back after the failed check: the licence page's "&Yes" works; the folder Back
    // stored is checked again on return.
    ASSERT_TRUE(s.Back(st::kLicense));
    ExpectButtons(s, true, true, "&Yes", "&No");
    ASSERT_TRUE(s.Next(st::kDestination));
    ExpectButtons(s, true, false, "&Next", "&Cancel");
    // A roomy drive again clears the warning.
    StoreAndReturn(s, "C:\\Games\\Whirlmark");
    EXPECT_FALSE(IsWindowVisible(s.Item(st::kSpaceWarning)));
    ExpectButtons(s, true, true, "&Next", "&Cancel");
}

TEST_F(SetupWizard, ShortSystemDriveIsNamedEvenForARoomyDestination) {
    SmallDrive c('c');
    ASSERT_TRUE(c.ok()) << "could not give C: a small drive";
    // D: is a roomy drive: the test's own folder.
    ASSERT_TRUE(wt::RunUnix("ln -sfn $WHIRL_RUN_DIR $WINEPREFIX/dosdevices/d:"));
    ULARGE_INTEGER free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &free, nullptr, nullptr));
    EXPECT_LT(free.QuadPart, 2000000u);

    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kDestination));
    // Both on C:, which is short.
    EXPECT_EQ(s.ItemText(st::kSpaceWarning), "Warning: insufficient disk space on drive C:");
    ExpectButtons(s, true, false, "&Next", "&Cancel");
    // The destination on a roomy drive: still the system drive is named, and Next
    // keeps the user on the page.
    s.SetText(st::kDestFolder, "D:\\Whirlmark\\");
    EXPECT_FALSE(s.Next(st::kProgramFolder, 3000));
    EXPECT_TRUE(IsWindowVisible(s.Item(st::kSpaceWarning)));
    EXPECT_EQ(s.ItemText(st::kSpaceWarning), "Warning: insufficient disk space on drive C:");
    EXPECT_FALSE(s.GetButton(wt::kNext).enabled);
}

TEST_F(SetupWizard, EmptiedRelativeOrOverlongFolderKeepsTheUserOnThePage) {
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kDestination));
    std::string deep = "C:\\";
    while (deep.size() < 1200) deep += "deeper\\";
    for (const std::string& folder : {std::string(), std::string("Whirlmark\\"), deep}) {
        s.SetText(st::kDestFolder, folder);
        s.Press(PSBTN_NEXT);
        HWND box = s.WaitForBox();
        ASSERT_NE(box, nullptr) << folder;
        EXPECT_NE(Wizard::BoxText(box).find("full path of a folder"), std::string::npos) << Wizard::BoxText(box);
        wt::AnswerMessageBox(box, IDOK);
        wt::PumpFor(300);
        EXPECT_EQ(s.PageIndex(), st::kDestination) << folder;
    }
    ExpectNothingInstalled();
}

TEST_F(SetupWizard, BrowserOpensOnTheDestinationAndCancelKeepsIt) {
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kDestination));

    // The default folder does not exist yet: the browser opens on its parent.
    PostMessageA(s.Item(st::kBrowse), BM_CLICK, 0, 0);
    HWND browser = s.WaitForBox();
    ASSERT_NE(browser, nullptr);
    std::string shown = Wizard::BoxText(browser);
    EXPECT_NE(shown.find("Please choose the installation folder"), std::string::npos) << shown;
    EXPECT_NE(shown.find("C:\\Program Files"), std::string::npos) << shown;
    wt::Screenshot("setup/3-destination-browse");
    wt::AnswerMessageBox(browser, IDCANCEL);
    ASSERT_TRUE(wt::WaitUntil([&] { return !IsWindow(browser); }));
    EXPECT_EQ(s.ItemText(st::kDestFolder), "C:\\Program Files\\Whirlmark\\");
    StoreAndReturn(s, s.ItemText(st::kDestFolder));
    EXPECT_EQ(s.ItemText(st::kDestFolder), "C:\\Program Files\\Whirlmark\\");

    // A typed existing folder: the browser opens there, and OK takes it as it is.
    s.SetText(st::kDestFolder, "C:\\windows\\");
    PostMessageA(s.Item(st::kBrowse), BM_CLICK, 0, 0);
    browser = s.WaitForBox();
    ASSERT_NE(browser, nullptr);
    shown = Wizard::BoxText(browser);
    EXPECT_NE(shown.find("C:\\windows"), std::string::npos) << shown;
    wt::AnswerMessageBox(browser, IDOK);
    ASSERT_TRUE(wt::WaitUntil([&] { return !IsWindow(browser); }));
    EXPECT_EQ(s.ItemText(st::kDestFolder), "C:\\windows");
    StoreAndReturn(s, s.ItemText(st::kDestFolder));
    EXPECT_EQ(s.ItemText(st::kDestFolder), "C:\\windows\\");
}

// ---- Program folder ----

// Folders under both Programs folders; the page must list only its family's.
void MakeProgramFolders(std::string& common, std::string& user) {
    common = SpecialFolder(CSIDL_COMMON_PROGRAMS);
    user = SpecialFolder(CSIDL_PROGRAMS);
    ASSERT_FALSE(common.empty());
    ASSERT_FALSE(user.empty());
    ASSERT_NE(common, user);
    for (const std::string& dir : {common, user}) {
        CreateDirectoryA((dir + "\\.dotted").c_str(), nullptr);
        HANDLE f = CreateFileA((dir + "\\plain file.lnk").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(f);
    }
    CreateDirectoryA((common + "\\All Users Games").c_str(), nullptr);
    CreateDirectoryA((user + "\\My Own Tools").c_str(), nullptr);
}

void ExpectProgramList(const char* version, const char* present, const char* absent) {
    std::string common, user;
    MakeProgramFolders(common, user);
    wt::SetWindowsVersion(version);
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kProgramFolder));
    std::vector<std::string> entries = ListEntries(s.Item(st::kFolderList));
    EXPECT_TRUE(Contains(entries, present)) << version << " " << Joined(entries) << " " << common << " " << user;
    EXPECT_FALSE(Contains(entries, absent)) << version << " " << Joined(entries);
    EXPECT_FALSE(Contains(entries, ".dotted"));
    EXPECT_FALSE(Contains(entries, "plain file.lnk"));
    for (const std::string& e : entries) {
        EXPECT_NE(e[0], '.') << e;
    }
}

TEST_F(SetupWizard, NtFamilyListsTheAllUsersPrograms) {
    ExpectProgramList("winxp", "All Users Games", "My Own Tools");
}

TEST_F(SetupWizard, Windows95FamilyListsTheUsersOwnPrograms) {
    ExpectProgramList("win98", "My Own Tools", "All Users Games");
}

TEST_F(SetupWizard, DoubleClickCopiesTheEntryAndTheDefaultReturns) {
    std::string common, user;
    MakeProgramFolders(common, user);
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kProgramFolder));
    HWND list = s.Item(st::kFolderList);
    std::vector<std::string> entries = ListEntries(list);
    int index = -1;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == "All Users Games") index = static_cast<int>(i);
    ASSERT_GE(index, 0);

    // A single click only selects.
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(s.Page(), WM_COMMAND, MAKEWPARAM(st::kFolderList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(s.ItemText(st::kProgramFolderEdit), "Whirlmark");
    SendMessageA(s.Page(), WM_COMMAND, MAKEWPARAM(st::kFolderList, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(s.ItemText(st::kProgramFolderEdit), "All Users Games");

    // Every activation shows the default name again.
    ASSERT_TRUE(s.Next(st::kExtraOptions));
    ASSERT_TRUE(s.Back(st::kProgramFolder));
    EXPECT_EQ(s.ItemText(st::kProgramFolderEdit), "Whirlmark");
    s.SetText(st::kProgramFolderEdit, "Games\\Whirlmark");
    ASSERT_TRUE(s.Back(st::kDestination));
    ASSERT_TRUE(s.Next(st::kProgramFolder));
    EXPECT_EQ(s.ItemText(st::kProgramFolderEdit), "Whirlmark");
}

// ---- Extra options ----

TEST_F(SetupWizard, ExtraOptionSurvivesBackAndNext) {
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kExtraOptions));
    HWND box = s.Item(st::kDefaultSaver);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ASSERT_TRUE(s.Back(st::kProgramFolder));
    ASSERT_TRUE(s.Next(st::kExtraOptions));
    EXPECT_EQ(SendMessageA(s.Item(st::kDefaultSaver), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ASSERT_TRUE(s.Next(st::kStartCopy));
    ASSERT_TRUE(s.Back(st::kExtraOptions));
    EXPECT_EQ(SendMessageA(s.Item(st::kDefaultSaver), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(s.Item(st::kDefaultSaver), BM_CLICK, 0, 0);
    ASSERT_TRUE(s.Back(st::kProgramFolder));
    ASSERT_TRUE(s.Next(st::kExtraOptions));
    EXPECT_EQ(SendMessageA(s.Item(st::kDefaultSaver), BM_GETCHECK, 0, 0), BST_CHECKED);
}

// ---- What the pages hand on ----

TEST_F(SetupWizard, ChosenValuesReachTheInstallation) {
    std::string programs = SpecialFolder(CSIDL_COMMON_PROGRAMS);
    Wizard s;
    ASSERT_TRUE(s.WalkTo(st::kDestination));
    s.SetText(st::kDestFolder, "C:\\Games\\Whirl");
    ASSERT_TRUE(s.Next(st::kProgramFolder));
    s.SetText(st::kProgramFolderEdit, "Games\\Whirlmark");
    ASSERT_TRUE(s.Next(st::kExtraOptions));
    ASSERT_TRUE(s.Next(st::kStartCopy));
    ASSERT_TRUE(s.Install());
    s.Press(PSBTN_FINISH);
    EXPECT_EQ(s.WaitForExit(), 0u);

    const char* key = layout::kSettingsKey;
    std::string dataRoot, programFolder;
    ASSERT_TRUE(wt::ReadString(HKEY_CURRENT_USER, key, layout::kDataRootValue, dataRoot));
    EXPECT_EQ(dataRoot, "C:\\Games\\Whirl\\");
    ASSERT_TRUE(wt::ReadString(HKEY_CURRENT_USER, key, layout::kProgramFolderValue, programFolder));
    EXPECT_EQ(programFolder, programs + "\\Games\\Whirlmark\\");
}

}  // namespace
