// Smoke tests of the shipped Setup.exe and Uninstall.exe: the whole install wizard with
// its defaults, then the installed uninstaller, checking what lands on (and leaves) the
// machine: files, registry values, shortcuts and the system.ini entry. The prefix is
// WOW64, as 64-bit Windows is for these 32-bit programs: the saver must be recorded
// where a 64-bit process finds it. Also: DLLs planted beside both wizards stay unloaded,
// and unattended runs that fail or must wait for a restart leave the machine as it was.
#include "smoke.h"
#include "install_checks.h"
#include "machine_snapshot.h"
#include "setup_driver.h"
#include "uninstall_driver.h"

#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace smoke {
namespace {

const char kInstallDir[] = "C:\\Program Files\\Whirlmark\\";
const DWORD kStartMs = 90000;

// Emulated programs start and answer slowly.
wt::Wizard::Timing Slow() {
    wt::Wizard::Timing t;
    t.sheet = kStartMs;
    t.page = 60000;
    t.exit = 30000;
    return t;
}

// True when a run reached the end page without a message box and the program then
// ended with 0; says what went wrong otherwise.
bool Clean(const wt::WizardRun& run, const char* program) {
    for (const std::string& box : run.boxes) Note("%s showed a message box: %s", program, box.c_str());
    if (run.page.empty()) return Expect(false, "no wizard window from %s", program);
    if (!run.completed) return Expect(false, "%s stopped on page \"%s\"", program, run.page.c_str());
    if (!run.boxes.empty()) return Expect(false, "%s showed message boxes", program);
    return Expect(run.exitCode == 0, "%s: %s after Close", program, ExitText(run.exitCode).c_str());
}

// Where a 32-bit program's system32 really is: SysWOW64 under WOW64.
std::string SaverDir() {
    using Wow64Dir = UINT(WINAPI*)(LPSTR, UINT);
    auto get = reinterpret_cast<Wow64Dir>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetSystemWow64DirectoryA")));
    BOOL wow64 = FALSE;
    char dir[MAX_PATH] = "";
    if (get && IsWow64Process(GetCurrentProcess(), &wow64) && wow64 && get(dir, MAX_PATH)) {
        std::string s = dir;
        if (s.back() != '\\') s += '\\';
        return s;
    }
    return ic::SystemDir();
}

// Whether a 64-bit process finds the file `path` names (as the system does when it
// reads the recorded screen saver); true where there is no 64-bit side.
bool Found64(const std::string& path) {
    if (!FileExists("C:\\windows\\sysnative\\cmd.exe")) return true;
    wt::Process cmd = wt::Launch("C:\\windows\\sysnative\\cmd.exe /c if exist " + path + " (exit 0) else (exit 3)");
    return cmd.Valid() && cmd.Wait(60000) == 0;
}

// system.ini's default saver, empty when there is none.
std::string ScreenSaverEntry() {
    std::string entry = ic::SaverEntry();
    return entry == "<none>" ? std::string() : entry;
}

// Loads the shortcuts back and checks their targets and descriptions.
bool CheckShortcuts(const std::string& programFolder) {
    bool ok = true;
    for (const layout::ShortcutEntry& s : layout::kShortcuts) {
        ic::Link link;
        const std::string target = std::string(kInstallDir) + s.target;
        ok = Expect(ic::LoadShortcut(programFolder + s.link, link) &&
                        lstrcmpiA(link.target.c_str(), target.c_str()) == 0 && link.description == s.description,
                    "shortcut %s%s points to \"%s\" (\"%s\"), expected \"%s\" (\"%s\")", programFolder.c_str(), s.link,
                    link.target.c_str(), link.description.c_str(), target.c_str(), s.description) &&
             ok;
    }
    return ok;
}

}  // namespace

Verdict SetupWizard(const Medium& medium, bool family95) {
    std::string setup = medium.Path("Setup.exe");
    if (!FileExists(setup)) return Skip("Setup.exe is not on the medium yet");
    // Until the install actions exist the wizard can still be walked through.
    bool installs = FileContains(setup, layout::kDataRootValue);
    for (const char* file : {layout::kLicense, layout::kSaverFile, layout::kUninstaller, layout::kReadme})
        if ((installs || file == layout::kLicense) && !FileExists(medium.Path(file)))
            return Skip("the medium has no %s yet", file);
    ForgetProduct();

    // Through every page with its defaults, the way a user accepting them would.
    st::SetupChoices choices;
    choices.medium = medium.dir;
    choices.probe = false;
    choices.timing = Slow();
    choices.check = [](wt::Wizard& w, int page) {
        if (page == st::kWelcome) Note("wizard up after %lu ms", Elapsed());
        if (page == st::kLicense && w.ItemText(st::kLicenseText).empty()) return Expect(false, "the licence text is empty");
        if (page == st::kDestination && w.ItemText(st::kDestFolder) != kInstallDir)
            return Expect(false, "destination is \"%s\"", w.ItemText(st::kDestFolder).c_str());
        if (page == st::kDestination && IsWindowVisible(w.Item(st::kSpaceWarning)))
            return Expect(false, "disk-space warning shown: %s", w.ItemText(st::kSpaceWarning).c_str());
        if (page == st::kStartCopy) Note("start-copy page after %lu ms", Elapsed());
        if (page == st::kComplete) Note("installed after %lu ms", Elapsed());
        return true;
    };
    if (!Clean(st::DriveSetup(choices), "Setup")) return kFail;
    if (!installs) return Skip("walked through all seven pages; Setup.exe does not install anything yet");

    // What landed on the machine.
    bool ok = true;
    std::string scr = SaverDir() + layout::kSaverFile;
    ok = Expect(SameFile(scr, medium.Path(layout::kSaverFile)), "%s is not a copy of the medium's", scr.c_str()) && ok;
    for (const char* file : {layout::kUninstaller, layout::kLicense, layout::kReadme})
        ok = Expect(SameFile(std::string(kInstallDir) + file, medium.Path(file)),
                    "%s%s is not a copy of the medium's", kInstallDir, file) && ok;
    std::string dataRoot, programFolder;
    ok = Expect(wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, layout::kDataRootValue, dataRoot) &&
                    dataRoot == kInstallDir,
                "DataRoot is \"%s\"", dataRoot.c_str()) && ok;
    if (!wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, layout::kProgramFolderValue, programFolder) ||
        programFolder.size() < 2 || programFolder.back() != '\\')
        return Fail("ProgramFolder is \"%s\"", programFolder.c_str());
    // The 95 family keeps the shortcuts in the user's Programs folder, NT in the shared one.
    char programs[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, programs, family95 ? CSIDL_PROGRAMS : CSIDL_COMMON_PROGRAMS, FALSE);
    ok = Expect(programFolder == std::string(programs) + "\\Whirlmark\\", "ProgramFolder is \"%s\", expected below %s",
                programFolder.c_str(), programs) && ok;
    ok = CheckShortcuts(programFolder) && ok;
    const std::string entry = ScreenSaverEntry(), shortPath = ic::ShortPath(scr);
    ok = Expect(lstrcmpiA(entry.c_str(), shortPath.c_str()) == 0, "system.ini SCRNSAVE.EXE is \"%s\", expected \"%s\"",
                entry.c_str(), shortPath.c_str()) && ok;
    ok = Expect(Found64(entry), "a 64-bit process does not find %s", entry.c_str()) && ok;
    if (ok) Note("files, registry values, shortcuts and system.ini entry (%s) in place", entry.c_str());
    return ok ? kPass : kFail;
}

Verdict UninstallWizard(const Medium& medium) {
    if (!FileExists(medium.Path(layout::kUninstaller))) return Skip("Uninstall.exe is not on the medium yet");
    if (!FileExists(medium.Path("Setup.exe"))) return Skip("Setup.exe is not on the medium yet, nothing to remove");
    std::string dataRoot, programFolder;
    wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, layout::kDataRootValue, dataRoot);
    wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, layout::kProgramFolderValue, programFolder);
    std::string uninstall = dataRoot + layout::kUninstaller;
    if (dataRoot.empty() || programFolder.empty() || !FileExists(uninstall))
        return Fail("no installation to remove (the setup test left none)");

    // Started the way its shortcut starts it: the installed copy.
    wt::Wizard w("Uninstall");
    w.timing = Slow();
    if (!w.Launch(uninstall, dataRoot)) return Fail("cannot start %s", uninstall.c_str());
    if (!w.WaitForSheet()) return Fail("no wizard window (process %s)", ExitText(w.WaitForExit(0)).c_str());
    auto note = [](wt::Wizard&, int page) {
        if (page == ut::kComplete) Note("removed after %lu ms", Elapsed());
        return true;
    };
    if (!Clean(ut::DriveUninstall(w, note, false), "Uninstall")) return kFail;

    bool ok = true;
    std::vector<std::string> gone = {SaverDir() + layout::kSaverFile, dataRoot + layout::kLicense,
                                     dataRoot + layout::kReadme, programFolder.substr(0, programFolder.size() - 1)};
    for (const layout::ShortcutEntry& s : layout::kShortcuts) gone.push_back(programFolder + s.link);
    for (const std::string& path : gone)
        ok = Expect(!FileExists(path), "%s is still there", path.c_str()) && ok;
    ok = Expect(!ic::KeyExists("Software\\Brindlecroft\\Whirlmark"), "the product's registry key is still there") && ok;
    // The setup test started without the maker's key, so Setup made it and Uninstall takes it.
    ok = Expect(!ic::KeyExists(kMakerKey), "the maker's key Software\\Brindlecroft, which Setup made, is still there") && ok;
    ok = Expect(ScreenSaverEntry().empty(), "system.ini still names \"%s\"", ScreenSaverEntry().c_str()) && ok;
    Note("Uninstall.exe %s (a running program's file)",
         FileExists(uninstall) ? "stays, with its folder," : "was removed too");
    return ok ? kPass : kFail;
}

Verdict PlantedDlls(const Medium& medium, const std::string& doubles) {
    const std::string folder = "C:\\plant\\";
    const char* const planted[] = {"comctl32.dll", "uxtheme.dll", "dwmapi.dll"};
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* file : {"Setup.exe", layout::kUninstaller, layout::kLicense, layout::kReadme, layout::kSaverFile})
        if (!CopyFileA(medium.Path(file).c_str(), (folder + file).c_str(), FALSE)) return Fail("cannot copy %s", file);
    for (const char* name : planted)
        if (!CopyFileA((doubles + "planted_dll.dll").c_str(), (folder + name).c_str(), FALSE))
            return Fail("cannot plant %s", name);
    // Native copies first, as Windows' search does for DLLs that are not Known DLLs.
    for (const char* name : {"comctl32", "uxtheme", "dwmapi"}) SetString("Software\\Wine\\DllOverrides", name, "native,builtin");
    bool ok = true;
    for (const char* program : {"Setup", "Uninstall"}) {
        // Uninstall finds no installation here: its warnings, answered, come before the wizard.
        wt::Wizard w(program);
        w.timing = Slow();
        bool opened = w.Start(folder + program + ".exe", folder);
        ok = Expect(opened, "%s.exe opened no wizard with DLLs planted beside it", program) && ok;
        if (opened) {
            PostMessageA(w.Sheet(), WM_COMMAND, IDCANCEL, 0);
            w.WaitForExit();
        }
        for (const char* name : planted)
            ok = Expect(!FileExists(folder + name + ".loaded"), "%s.exe loaded the planted %s", program, name) && ok;
    }
    for (const char* name : {"comctl32", "uxtheme", "dwmapi"}) SetString("Software\\Wine\\DllOverrides", name, nullptr);
    if (ok) Note("both wizards opened and loaded none of the planted DLLs");
    return ok ? kPass : kFail;
}

Verdict SilentRoundTrip(const Medium& medium) {
    if (!FileExists(medium.Path("Setup.exe")) || !FileExists(medium.Path("Uninstall.exe")))
        return Skip("Setup.exe or Uninstall.exe is not on the medium yet");
    const std::string dir = "C:\\Silent Whirl\\";  // /D= takes it unquoted, space and all
    const char* arp = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Whirlmark";
    wt::Process setup = wt::Launch("\"" + medium.Path("Setup.exe") + "\" /S /D=C:\\Silent Whirl", medium.dir);
    if (!setup.Valid()) return Fail("cannot start Setup.exe /S");
    DWORD code = setup.Wait(kStartMs);
    if (code != 0) return Fail("Setup.exe /S: %s", ExitText(code).c_str());
    Note("installed unattended after %lu ms", Elapsed());
    bool ok = true;
    for (const char* file : {"Uninstall.exe", "license.txt", "readme.txt", "Uninstall.rec"})
        ok = Expect(FileExists(dir + file), "%s%s is missing", dir.c_str(), file) && ok;
    ok = Expect(SameFile(SaverDir() + "Whirlmark.scr", medium.Path("Whirlmark.scr")), "the saver is not in place") && ok;
    std::string name;
    ok = Expect(wt::ReadString(HKEY_LOCAL_MACHINE, arp, "DisplayName", name) && name == "Whirlmark",
                "no Add/Remove Programs entry") && ok;

    wt::Process uninstall = wt::Launch("\"" + dir + "Uninstall.exe\" /S", dir);
    if (!uninstall.Valid()) return Fail("cannot start Uninstall.exe /S");
    code = uninstall.Wait(kStartMs);
    if (code != 0) return Fail("Uninstall.exe /S: %s", ExitText(code).c_str());
    Note("removed unattended after %lu ms", Elapsed());
    for (const std::string& path : {SaverDir() + "Whirlmark.scr", dir + "readme.txt", dir + "Uninstall.rec"})
        ok = Expect(!FileExists(path), "%s is still there", path.c_str()) && ok;
    ok = Expect(!wt::ReadString(HKEY_LOCAL_MACHINE, arp, "DisplayName", name), "the Add/Remove Programs entry stays") && ok;
    ok = Expect(!ic::KeyExists("Software\\Brindlecroft\\Whirlmark"), "the product's registry key is still there") && ok;
    return ok ? kPass : kFail;
}

namespace {

const char kRunLog[] = "C:\\smoke-run.log";  // left out of the snapshots

std::string Machine() { return ic::MachineState({kRunLog}); }

// Runs `program` unattended with /LOG= first (so that a /D= stays last); its exit code.
DWORD RunLogged(const std::string& program, const std::string& arguments, const std::string& workDir) {
    DeleteFileA(kRunLog);
    wt::Process p = wt::Launch("\"" + program + "\" /S /LOG=" + kRunLog + arguments, workDir);
    return p.Valid() ? p.Wait(kStartMs) : 99;
}

// Prints the run's log and the lines in which the machine differs from `before`.
void ShowDifference(const std::string& before, const std::string& after) {
    std::string log;
    ic::ReadBytes(kRunLog, log);
    Note("log of the last run:\n%s", log.c_str());
    auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
            end = text.find('\n', at);
            if (end == std::string::npos) end = text.size();
            out.push_back(text.substr(at, end - at));
        }
        return out;
    };
    const std::vector<std::string> a = lines(before), b = lines(after);
    for (const std::string& l : a)
        if (std::find(b.begin(), b.end(), l) == b.end()) Note("before only: %s", l.c_str());
    for (const std::string& l : b)
        if (std::find(a.begin(), a.end(), l) == a.end()) Note("after only:  %s", l.c_str());
}

bool SameMachine(const std::string& before, const char* when) {
    const std::string now = Machine();
    if (now == before) return true;
    ShowDifference(before, now);
    return Expect(false, "the machine %s is not the machine before", when);
}

}  // namespace

Verdict InUseRoundTrip(const Medium& medium) {
    if (!FileExists(medium.Path("Setup.exe")) || !FileExists(medium.Path(layout::kUninstaller)))
        return Skip("Setup.exe or Uninstall.exe is not on the medium yet");
    // What earlier tests left to the next restart goes first: only this test's changes count.
    if (!ic::Restart()) return Fail("wineboot -r did not finish");
    const std::string before = Machine();
    Note("machine listed after %lu ms", Elapsed());

    // A destination that is a file: Setup fails and undoes everything.
    if (!ic::WriteBytes("C:\\Whirlmark", "a file, not a folder")) return Fail("cannot write C:\\Whirlmark");
    const std::string withFile = Machine();
    DWORD code = RunLogged(medium.Path("Setup.exe"), " /D=C:\\Whirlmark", medium.dir);
    bool ok = Expect(code == 1, "Setup.exe /S /D=C:\\Whirlmark (a file): %s, expected exit code 1", ExitText(code).c_str());
    ok = SameMachine(withFile, "after the failed Setup") && ok;
    DeleteFileA("C:\\Whirlmark");
    Note("failed Setup checked after %lu ms", Elapsed());

    // A real install, then its removal with the saver in use.
    code = RunLogged(medium.Path("Setup.exe"), "", medium.dir);
    if (code != 0) {
        ShowDifference(before, Machine());
        return Fail("Setup.exe /S: %s", ExitText(code).c_str());
    }
    std::string dir;
    const char* arp = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Whirlmark";
    if (!wt::ReadString(HKEY_LOCAL_MACHINE, arp, "InstallLocation", dir) || dir.empty())
        return Fail("no InstallLocation in the Add/Remove Programs entry");
    // Held open as a running program's file is: it cannot be deleted now.
    const std::string saver = SaverDir() + layout::kSaverFile;
    HANDLE held = CreateFileA(saver.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (held == INVALID_HANDLE_VALUE) return Fail("cannot open %s", saver.c_str());
    code = RunLogged(dir + layout::kUninstaller, "", dir);
    CloseHandle(held);
    ok = Expect(code == 3010, "Uninstall.exe /S with the saver in use: %s, expected 3010", ExitText(code).c_str()) && ok;
    ok = Expect(FileExists(saver), "%s, in use, is gone before the restart", saver.c_str()) && ok;
    Note("removed, waiting for the restart, after %lu ms", Elapsed());
    if (!ic::Restart()) return Fail("wineboot -r did not finish");
    ok = SameMachine(before, "after the removal and a restart") && ok;
    if (ok) Note("the failed Setup and the removal with a restart left the machine as it was");
    return ok ? kPass : kFail;
}

}  // namespace smoke
