// Smoke tests of the shipped Setup.exe and Uninstall.exe: the whole install wizard with
// its defaults, then the installed uninstaller, checking what lands on (and leaves) the
// machine: files, registry values, shortcuts and the system.ini entry. The prefix is
// WOW64, as 64-bit Windows is for these 32-bit programs: the saver must be recorded
// where a 64-bit process finds it. Also: DLLs planted beside both wizards stay unloaded.
#include "smoke.h"
#include "wine_test.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace smoke {
namespace {

const DWORD kStartMs = 90000;
const DWORD kPageMs = 60000;
const DWORD kExitMs = 30000;
const char kInstallDir[] = "C:\\Program Files\\Whirlmark\\";

struct BoxQuery {
    DWORD pid;
    HWND sheet;
    HWND box;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    auto* q = reinterpret_cast<BoxQuery*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (pid == q->pid && window != q->sheet && IsWindowVisible(window) && lstrcmpA(cls, "#32770") == 0) {
        q->box = window;
        return FALSE;
    }
    return TRUE;
}

// A message box (any other dialog) of the wizard's process, or null.
HWND MessageBoxOf(DWORD pid, HWND sheet) {
    BoxQuery q{pid, sheet, nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&q));
    return q.box;
}

// A control's text, asked from its own process (GetWindowText only sees the caption
// that the system keeps, which an edit control never updates).
std::string TextOf(HWND window) {
    char text[4096] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &length);
    return text;
}

// Title line of the wizard's current page.
std::string PageTitle(HWND sheet) {
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return page ? TextOf(GetDlgItem(page, 1001)) : std::string();
}

// Waits for the page titled `title`; fails on a message box, a timeout or the end of
// the process.
bool WaitForPage(HWND sheet, DWORD pid, const char* title) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kPageMs; wt::PumpFor(100)) {
        if (PageTitle(sheet) == title) return true;
        if (HWND box = MessageBoxOf(pid, sheet)) {
            HWND text = GetDlgItem(box, 0xFFFF);
            Fail("message box \"%s\": %s", TextOf(box).c_str(), text ? TextOf(text).c_str() : "");
            return false;
        }
        if (!IsWindow(sheet)) {
            Fail("the wizard closed while waiting for page \"%s\"", title);
            return false;
        }
    }
    Fail("page \"%s\" did not come; the current page is \"%s\"", title, PageTitle(sheet).c_str());
    return false;
}

void Press(HWND sheet, int button) { PostMessageA(sheet, PSM_PRESSBUTTON, button, 0); }

// Finds the wizard window of the process.
HWND WaitForSheet(wt::Process& process) {
    HWND sheet = wt::WaitForWindow("#32770", "Whirlmark Setup", process.Id(), kStartMs);
    if (!sheet) Fail("no wizard window \"Whirlmark Setup\" (process %s)", ExitText(process.Wait(0)).c_str());
    else Note("wizard up after %lu ms", Elapsed());
    return sheet;
}

bool ExitsWithZero(wt::Process& process) {
    DWORD code = process.Wait(kExitMs);
    if (code != 0) {
        Fail("%s after Close", ExitText(code).c_str());
        return false;
    }
    return true;
}

std::string SystemDir() {
    char dir[MAX_PATH];
    GetSystemDirectoryA(dir, MAX_PATH);
    std::string s = dir;
    if (s.empty() || s.back() != '\\') s += '\\';
    return s;
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
    return SystemDir();
}

// Whether a 64-bit process finds the file `path` names (as the system does when it
// reads the recorded screen saver); true where there is no 64-bit side.
bool Found64(const std::string& path) {
    if (!FileExists("C:\\windows\\sysnative\\cmd.exe")) return true;
    wt::Process cmd = wt::Launch("C:\\windows\\sysnative\\cmd.exe /c if exist " + path + " (exit 0) else (exit 3)");
    return cmd.Valid() && cmd.Wait(60000) == 0;
}

std::string ScreenSaverEntry() {
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", value, MAX_PATH, "system.ini");
    return value;
}

// Loads a shortcut back and checks its target and description.
bool CheckShortcut(const std::string& link, const std::string& target, const char* description) {
    IShellLinkA* shell = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shell))))
        return Expect(false, "no shell link object");
    IPersistFile* file = nullptr;
    bool ok = false;
    char path[MAX_PATH] = "", text[MAX_PATH] = "";
    if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(file->Load(wide, STGM_READ))) {
            shell->GetPath(path, MAX_PATH, nullptr, 0);
            shell->GetDescription(text, MAX_PATH);
            ok = lstrcmpiA(path, target.c_str()) == 0 && lstrcmpA(text, description) == 0;
        }
        file->Release();
    }
    shell->Release();
    if (!ok)
        Fail("shortcut %s points to \"%s\" (\"%s\"), expected \"%s\" (\"%s\")", link.c_str(), path, text,
             target.c_str(), description);
    return ok;
}

bool KeyExists(const char* key) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

}  // namespace

Verdict SetupWizard(const Medium& medium, bool family95) {
    std::string setup = medium.Path("Setup.exe");
    if (!FileExists(setup)) return Skip("Setup.exe is not on the medium yet");
    // Until the install actions exist the wizard can still be walked through.
    bool installs = FileContains(setup, "DataRoot");
    for (const char* file : {"license.txt", "Whirlmark.scr", "Uninstall.exe", "readme.txt"})
        if ((installs || file[0] == 'l') && !FileExists(medium.Path(file)))
            return Skip("the medium has no %s yet", file);
    ForgetProduct();

    wt::Process process = wt::Launch("\"" + setup + "\"", medium.dir);
    if (!process.Valid()) return Fail("cannot start %s", setup.c_str());
    HWND sheet = WaitForSheet(process);
    if (!sheet) return kFail;

    // Through every page with its defaults, the way a user accepting them would.
    if (!WaitForPage(sheet, process.Id(), "Welcome to the Whirlmark installation wizard")) return kFail;
    Press(sheet, PSBTN_NEXT);
    if (!WaitForPage(sheet, process.Id(), "License Agreement")) return kFail;
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (TextOf(GetDlgItem(page, 1003)).empty()) return Fail("the licence text is empty");
    Press(sheet, PSBTN_NEXT);
    if (!WaitForPage(sheet, process.Id(), "Choose destination location")) return kFail;
    page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (TextOf(GetDlgItem(page, 1008)) != kInstallDir)
        return Fail("destination is \"%s\"", TextOf(GetDlgItem(page, 1008)).c_str());
    if (IsWindowVisible(GetDlgItem(page, 1005)))
        return Fail("disk-space warning shown: %s", TextOf(GetDlgItem(page, 1005)).c_str());
    Press(sheet, PSBTN_NEXT);
    if (!WaitForPage(sheet, process.Id(), "Select Program Folder")) return kFail;
    Press(sheet, PSBTN_NEXT);
    if (!WaitForPage(sheet, process.Id(), "Additional options")) return kFail;
    Press(sheet, PSBTN_NEXT);
    if (!WaitForPage(sheet, process.Id(), "Start copying files")) return kFail;
    Note("start-copy page after %lu ms", Elapsed());
    Press(sheet, PSBTN_NEXT);
    if (!WaitForPage(sheet, process.Id(), "Installation complete")) return kFail;
    Note("installed after %lu ms", Elapsed());
    Press(sheet, PSBTN_FINISH);
    if (!ExitsWithZero(process)) return kFail;
    if (!installs) return Skip("walked through all seven pages; Setup.exe does not install anything yet");

    // What landed on the machine.
    bool ok = true;
    std::string scr = SaverDir() + "Whirlmark.scr";
    ok = Expect(SameFile(scr, medium.Path("Whirlmark.scr")), "%s is not a copy of the medium's", scr.c_str()) && ok;
    for (const char* file : {"Uninstall.exe", "license.txt", "readme.txt"})
        ok = Expect(SameFile(std::string(kInstallDir) + file, medium.Path(file)),
                    "%s%s is not a copy of the medium's", kInstallDir, file) && ok;
    std::string dataRoot, programFolder;
    ok = Expect(wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, "DataRoot", dataRoot) && dataRoot == kInstallDir,
                "DataRoot is \"%s\"", dataRoot.c_str()) && ok;
    if (!wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, "ProgramFolder", programFolder) ||
        programFolder.size() < 2 || programFolder.back() != '\\')
        return Fail("ProgramFolder is \"%s\"", programFolder.c_str());
    // The 95 family keeps the shortcuts in the user's Programs folder, NT in the shared one.
    char programs[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, programs, family95 ? CSIDL_PROGRAMS : CSIDL_COMMON_PROGRAMS, FALSE);
    ok = Expect(programFolder == std::string(programs) + "\\Whirlmark\\", "ProgramFolder is \"%s\", expected below %s",
                programFolder.c_str(), programs) && ok;
    CoInitialize(nullptr);
    ok = CheckShortcut(programFolder + "Uninstall.lnk", std::string(kInstallDir) + "Uninstall.exe", "uninstall") && ok;
    ok = CheckShortcut(programFolder + "Readme.lnk", std::string(kInstallDir) + "readme.txt", "Readme") && ok;
    ok = CheckShortcut(programFolder + "License.lnk", std::string(kInstallDir) + "license.txt", "License") && ok;
    CoUninitialize();
    char shortPath[MAX_PATH] = "";
    GetShortPathNameA(scr.c_str(), shortPath, MAX_PATH);
    ok = Expect(lstrcmpiA(ScreenSaverEntry().c_str(), shortPath) == 0, "system.ini SCRNSAVE.EXE is \"%s\", expected \"%s\"",
                ScreenSaverEntry().c_str(), shortPath) && ok;
    ok = Expect(Found64(ScreenSaverEntry()), "a 64-bit process does not find %s", ScreenSaverEntry().c_str()) && ok;
    if (ok) Note("files, registry values, shortcuts and system.ini entry (%s) in place", ScreenSaverEntry().c_str());
    return ok ? kPass : kFail;
}

Verdict UninstallWizard(const Medium& medium) {
    if (!FileExists(medium.Path("Uninstall.exe"))) return Skip("Uninstall.exe is not on the medium yet");
    if (!FileExists(medium.Path("Setup.exe"))) return Skip("Setup.exe is not on the medium yet, nothing to remove");
    std::string dataRoot, programFolder;
    wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, "DataRoot", dataRoot);
    wt::ReadString(HKEY_CURRENT_USER, kSettingsKey, "ProgramFolder", programFolder);
    std::string uninstall = dataRoot + "Uninstall.exe";
    if (dataRoot.empty() || programFolder.empty() || !FileExists(uninstall))
        return Fail("no installation to remove (the setup test left none)");

    // Started the way its shortcut starts it: the installed copy.
    wt::Process process = wt::Launch("\"" + uninstall + "\"", dataRoot);
    if (!process.Valid()) return Fail("cannot start %s", uninstall.c_str());
    HWND sheet = WaitForSheet(process);
    if (!sheet) return kFail;
    if (!WaitForPage(sheet, process.Id(), "Welcome to the Whirlmark uninstall wizard")) return kFail;
    Press(sheet, PSBTN_NEXT);
    if (!WaitForPage(sheet, process.Id(), "Uninstall complete")) return kFail;
    Note("removed after %lu ms", Elapsed());
    Press(sheet, PSBTN_FINISH);
    if (!ExitsWithZero(process)) return kFail;

    bool ok = true;
    std::vector<std::string> gone = {SaverDir() + "Whirlmark.scr", dataRoot + "license.txt",
                                     dataRoot + "readme.txt", programFolder + "Uninstall.lnk",
                                     programFolder + "Readme.lnk", programFolder + "License.lnk",
                                     programFolder.substr(0, programFolder.size() - 1)};
    for (const std::string& path : gone)
        ok = Expect(!FileExists(path), "%s is still there", path.c_str()) && ok;
    ok = Expect(!KeyExists("Software\\Brindlecroft\\Whirlmark"), "the product's registry key is still there") && ok;
    ok = Expect(KeyExists(kMakerKey), "the maker's key Software\\Brindlecroft was removed too") && ok;
    ok = Expect(ScreenSaverEntry().empty(), "system.ini still names \"%s\"", ScreenSaverEntry().c_str()) && ok;
    Note("Uninstall.exe %s (a running program's file)",
         FileExists(uninstall) ? "stays, with its folder," : "was removed too");
    return ok ? kPass : kFail;
}

Verdict PlantedDlls(const Medium& medium, const std::string& doubles) {
    const std::string folder = "C:\\plant\\";
    const char* const planted[] = {"comctl32.dll", "uxtheme.dll", "dwmapi.dll"};
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* file : {"Setup.exe", "Uninstall.exe", "license.txt", "readme.txt", "Whirlmark.scr"})
        if (!CopyFileA(medium.Path(file).c_str(), (folder + file).c_str(), FALSE)) return Fail("cannot copy %s", file);
    for (const char* name : planted)
        if (!CopyFileA((doubles + "planted_dll.dll").c_str(), (folder + name).c_str(), FALSE))
            return Fail("cannot plant %s", name);
    // Native copies first, as Windows' search does for DLLs that are not Known DLLs.
    for (const char* name : {"comctl32", "uxtheme", "dwmapi"}) SetString("Software\\Wine\\DllOverrides", name, "native,builtin");
    bool ok = true;
    for (const char* program : {"Setup.exe", "Uninstall.exe"}) {
        wt::Process process = wt::Launch("\"" + folder + program + "\"", folder);
        // Uninstall finds no installation here: its warnings come before the wizard.
        HWND sheet = nullptr;
        for (DWORD start = GetTickCount(); process.Valid() && !sheet && GetTickCount() - start < kStartMs;) {
            sheet = wt::WaitForWindow("#32770", "Whirlmark Setup", process.Id(), 500);
            HWND box = sheet ? nullptr : MessageBoxOf(process.Id(), nullptr);
            if (box && TextOf(box) != "Whirlmark Setup") PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        ok = Expect(sheet != nullptr, "%s opened no wizard with DLLs planted beside it", program) && ok;
        if (sheet) PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
        for (DWORD start = GetTickCount(); sheet && GetTickCount() - start < kExitMs; wt::PumpFor(200)) {
            if (HWND box = MessageBoxOf(process.Id(), sheet)) PostMessageA(box, WM_COMMAND, IDOK, 0);
            if (process.Wait(0) != STILL_ACTIVE) break;
            if (IsWindow(sheet)) PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
        }
        for (const char* name : planted)
            ok = Expect(!FileExists(folder + name + ".loaded"), "%s loaded the planted %s", program, name) && ok;
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
    ok = Expect(!KeyExists("Software\\Brindlecroft\\Whirlmark"), "the product's registry key is still there") && ok;
    return ok ? kPass : kFail;
}

}  // namespace smoke
