// Smoke tests of the shipped Whirlmark.scr: full screen, configuration dialog, preview
// in a host window, and the Windows 95 family password check through a PASSWORD.CPL
// test double, and the change-password mode through an MPR.DLL test double (where a
// wrong calling convention of either export would show).
#include "smoke.h"
#include "wine_test.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace smoke {
namespace {

const DWORD kDefaults[8] = {1, 0, 0, 10, 10, 10, 0, 1};
const char kSaverKeyHelp[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Screen Savers";
// Emulated start of a GUI program with OpenGL takes several seconds; allow plenty.
const DWORD kStartMs = 90000;
const DWORD kFrameMs = 60000;
const DWORD kExitMs = 30000;

// The saver program, or a skip verdict when it does not yet have `feature` (a text
// that the program holds once that feature is built).
bool SaverReady(const Medium& medium, const char* feature, const char* what, std::string& scr,
                Verdict& verdict) {
    scr = medium.Path("Whirlmark.scr");
    if (!FileExists(scr)) {
        verdict = Skip("Whirlmark.scr is not on the medium yet");
        return false;
    }
    if (!FileContains(scr, feature)) {
        verdict = Skip("Whirlmark.scr has no %s yet", what);
        return false;
    }
    return true;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// Waits until `window` shows a picture that is not black in its middle (the backdrop
// covers the frame) and keeps a screenshot of it.
bool CheckFrame(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    RECT middle = {r.right / 4, r.bottom / 4, r.right * 3 / 4, r.bottom * 3 / 4};
    int lit = -1;
    for (DWORD start = GetTickCount(); GetTickCount() - start < kFrameMs; wt::PumpFor(250)) {
        lit = NonBlackPercent(window, middle);
        if (lit > 50) break;
    }
    SaveScreen("saver-fullscreen");
    if (!Expect(lit > 50, "no frame seen in %lu s: %d%% of the middle is not black", kFrameMs / 1000, lit))
        return false;
    Note("frame drawn: %d%% of the middle is not black (%lu ms)", lit, Elapsed());
    return true;
}

// Waits for the process to end and checks exit code 0.
bool ExitsWithZero(wt::Process& process, const char* after) {
    DWORD code = process.Wait(kExitMs);
    if (code == STILL_ACTIVE) {
        Fail("still running %lu s after %s", kExitMs / 1000, after);
        return false;
    }
    if (code != 0) {
        Fail("%s after %s", ExitText(code).c_str(), after);
        return false;
    }
    Note("exited with 0 after %s (%lu ms)", after, Elapsed());
    return true;
}

}  // namespace

Verdict SaverFullScreen(const Medium& medium) {
    std::string scr;
    Verdict skip;
    if (!SaverReady(medium, "ScrClass", "saver window", scr, skip)) return skip;
    ForgetProduct();

    wt::Process saver = wt::Launch(Quoted(scr) + " /s");
    if (!saver.Valid()) return Fail("cannot start %s", scr.c_str());
    HWND win = wt::WaitForWindow("ScrClass", "SaverWindow", saver.Id(), kStartMs);
    if (!win) return Fail("no window \"SaverWindow\" of class ScrClass (saver %s)", ExitText(saver.Wait(0)).c_str());
    Note("window up after %lu ms", Elapsed());

    RECT r;
    GetWindowRect(win, &r);
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    if (r.left != 0 || r.top != 0 || r.right != cx || r.bottom != cy)
        return Fail("window is %ld,%ld-%ld,%ld, not the %dx%d screen", r.left, r.top, r.right,
                    r.bottom, cx, cy);
    if (!(GetWindowLongA(win, GWL_EXSTYLE) & WS_EX_TOPMOST)) return Fail("window is not topmost");
    if (!CheckFrame(win)) return kFail;

    PressKey(win, VK_SPACE);
    if (!ExitsWithZero(saver, "a key")) return kFail;
    if (!CheckSettings(kDefaults)) return Fail("the eight settings were not written as defaults");
    return kPass;
}

Verdict SaverConfig(const Medium& medium) {
    std::string scr = medium.Path("Whirlmark.scr");
    if (!FileExists(scr)) return Skip("Whirlmark.scr is not on the medium yet");
    if (!HasResource(scr, MAKEINTRESOURCEA(5) /* RT_DIALOG */, 104))
        return Skip("Whirlmark.scr has no configuration dialog yet");
    ForgetProduct();

    wt::Process saver = wt::Launch(Quoted(scr));
    if (!saver.Valid()) return Fail("cannot start %s", scr.c_str());
    HWND dlg = wt::WaitForWindow("#32770", "Brindlecroft Saver Config", saver.Id(), kStartMs);
    if (!dlg) return Fail("no dialog \"Brindlecroft Saver Config\" (saver %s)", ExitText(saver.Wait(0)).c_str());
    Note("dialog up after %lu ms", Elapsed());
    wt::PumpFor(2500);  // emulated painting is slow
    SaveScreen("saver-config");

    // What a never-run machine shows.
    char text[64] = "";
    GetDlgItemTextA(dlg, 1024, text, sizeof text);
    HWND back = GetDlgItem(dlg, 1030), icon = GetDlgItem(dlg, 1031);
    // Asked in UTF-16: Wine passes the ANSI form of this message between processes as
    // UTF-16 without converting it back.
    WCHAR wide[32] = L"";
    char first[32] = "";
    if (SendMessageW(back, CB_GETLBTEXTLEN, 0, 0) < 32)
        SendMessageW(back, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(wide));
    WideCharToMultiByte(CP_ACP, 0, wide, -1, first, sizeof first, nullptr, nullptr);
    if (IsDlgButtonChecked(dlg, 1008) != BST_CHECKED || IsDlgButtonChecked(dlg, 1013) != BST_CHECKED ||
        IsDlgButtonChecked(dlg, 1004) != BST_UNCHECKED || std::string(text) != "10" ||
        SendMessageA(back, CB_GETCOUNT, 0, 0) != 6 || std::string(first) != "sky" ||
        SendMessageA(back, CB_GETCURSEL, 0, 0) != 0 || SendMessageA(icon, CB_GETCURSEL, 0, 0) != 1)
        return Fail("dialog does not show the defaults (X speed \"%s\", first texture \"%s\")", text, first);

    // Change everything once, the way a user would.
    SendDlgItemMessageA(dlg, 1008, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dlg, 1015, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dlg, 1004, BM_CLICK, 0, 0);
    SendMessageA(back, CB_SETCURSEL, 3, 0);
    SendMessageA(icon, CB_SETCURSEL, 4, 0);
    HWND track = GetDlgItem(dlg, 1021);
    SendMessageA(track, TBM_SETPOS, TRUE, 100 - 37);
    SendMessageA(dlg, WM_VSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(track));
    GetDlgItemTextA(dlg, 1024, text, sizeof text);
    if (std::string(text) != "37") return Fail("X speed shows \"%s\" after the slider, not 37", text);
    DWORD speed = 0;
    if (!wt::ReadDword(HKEY_CURRENT_USER, kSettingsKey, "X Speed", speed) || speed != 37)
        return Fail("releasing the slider did not store X Speed 37 at once (%lu)", speed);

    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDOK)));
    if (!ExitsWithZero(saver, "OK")) return kFail;
    const DWORD chosen[8] = {0, 2, 1, 37, 10, 10, 3, 4};
    if (!CheckSettings(chosen)) return Fail("OK did not store the choices");
    return kPass;
}

namespace {
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

Verdict SaverPreview(const Medium& medium) {
    std::string scr;
    Verdict skip;
    if (!SaverReady(medium, "SaverPreview", "preview window", scr, skip)) return skip;
    ForgetProduct();

    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SmokePreviewHost";
    // Black, so that only the saver's own drawing counts as a picture.
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, wc.lpszClassName, "Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                100, 100, 240, 180, nullptr, nullptr, wc.hInstance, nullptr);
    if (!host) return Fail("cannot create the host window");
    wt::PumpFor(200);

    char line[64];
    std::snprintf(line, sizeof line, " /p %lu", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(host)));
    wt::Process saver = wt::Launch(Quoted(scr) + line);
    if (!saver.Valid()) return Fail("cannot start %s", scr.c_str());
    HWND child = nullptr;
    for (DWORD start = GetTickCount(); !child && GetTickCount() - start < kStartMs;) {
        wt::PumpFor(100);
        child = FindWindowExA(host, nullptr, "ScrClass", "SaverPreview");
        if (!child && saver.Wait(0) != STILL_ACTIVE) break;
    }
    if (!child) {
        DestroyWindow(host);
        return Fail("no child \"SaverPreview\" in the host window (saver %s)", ExitText(saver.Wait(0)).c_str());
    }
    Note("preview child up after %lu ms", Elapsed());

    RECT hr, cr;
    GetWindowRect(host, &hr);
    GetWindowRect(child, &cr);
    bool ok = Expect(cr.right - cr.left == hr.right - hr.left && cr.bottom - cr.top == hr.bottom - hr.top,
                     "child is %ldx%ld, host window %ldx%ld", cr.right - cr.left, cr.bottom - cr.top,
                     hr.right - hr.left, hr.bottom - hr.top) &&
              Expect(GetWindowLongA(child, GWL_STYLE) & WS_CHILD, "preview is not a child window");
    // Wine draws a child window's OpenGL picture off screen, where no capture from
    // another process sees it; what shows is that the saver keeps drawing until told.
    if (ok) {
        wt::PumpFor(3000);
        DWORD code = saver.Wait(0);
        ok = Expect(code == STILL_ACTIVE && IsWindow(child), "the preview ended by itself (%s)",
                    ExitText(code).c_str());
    }

    // The host ends the preview by destroying its window.
    DestroyWindow(host);
    if (!ok) return kFail;
    if (!ExitsWithZero(saver, "the host window closed")) return kFail;
    if (!CheckSettings(kDefaults)) return Fail("the eight settings were not written as defaults");
    return kPass;
}

namespace {
// Undoes what the password test changes on the machine, whatever happens.
struct PasswordStage {
    std::string cpl;
    ~PasswordStage() {
        if (!cpl.empty()) DeleteFileA(cpl.c_str());
        wt::SetWindowsVersion(nullptr);
        SetDword(kSaverKeyHelp, "Password Delay", -1);
        SetEnvironmentVariableA("WHIRL_PWD_LOG", nullptr);
        SetEnvironmentVariableA("WHIRL_PWD_ANSWERS", nullptr);
    }
};

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool WaitForCalls(const std::string& log, size_t count, DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; wt::PumpFor(100))
        if (ReadLines(log).size() >= count) return true;
    return false;
}
}  // namespace

Verdict SaverPassword(const Medium& medium, const std::string& doubles) {
    const std::string passwordDouble = doubles + "PASSWORD.CPL";
    std::string scr;
    Verdict skip;
    if (!SaverReady(medium, "VerifyScreenSavePwd", "password check", scr, skip)) return skip;
    if (!FileExists(passwordDouble)) return Fail("PASSWORD.CPL test double not found: %s", passwordDouble.c_str());
    ForgetProduct();

    // A Windows 98 machine with a password component that refuses once, then accepts,
    // and asks at once (no grace period).
    PasswordStage stage;
    char dir[MAX_PATH];
    GetSystemDirectoryA(dir, MAX_PATH);
    std::string cpl = std::string(dir) + "\\PASSWORD.CPL";
    if (!CopyFileA(passwordDouble.c_str(), cpl.c_str(), FALSE)) return Fail("cannot copy the double to %s", cpl.c_str());
    stage.cpl = cpl;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string log = std::string(temp) + "whirl-password.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("WHIRL_PWD_LOG", log.c_str());
    SetEnvironmentVariableA("WHIRL_PWD_ANSWERS", "01");
    wt::SetWindowsVersion("win98");
    SetDword(kSaverKeyHelp, "Password Delay", 0);

    wt::Process saver = wt::Launch(Quoted(scr) + " /s");
    if (!saver.Valid()) return Fail("cannot start %s", scr.c_str());
    HWND win = wt::WaitForWindow("ScrClass", "SaverWindow", saver.Id(), kStartMs);
    if (!win) return Fail("no full-screen window (saver %s)", ExitText(saver.Wait(0)).c_str());
    Note("window up after %lu ms", Elapsed());

    PressKey(win, VK_SPACE);
    if (!WaitForCalls(log, 1, kExitMs)) {
        DWORD code = saver.Wait(0);
        if (code == STILL_ACTIVE) return Fail("a key after the grace period did not ask VerifyScreenSavePwd");
        return Fail("ended (%s) without asking VerifyScreenSavePwd", ExitText(code).c_str());
    }
    wt::PumpFor(2000);
    DWORD code = saver.Wait(0);
    if (code != STILL_ACTIVE || !IsWindow(win))
        return Fail("a refused password must keep the saver running, but it ended (%s)", ExitText(code).c_str());
    Note("refused password kept the saver running (%lu ms)", Elapsed());

    PressKey(win, VK_SPACE);
    if (!WaitForCalls(log, 2, kExitMs)) return Fail("the second key did not ask for the password again");
    if (!ExitsWithZero(saver, "an accepted password")) return kFail;

    std::vector<std::string> calls = ReadLines(log);
    char expected[64];
    std::snprintf(expected, sizeof expected, "window=%lu class=ScrClass",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(win)));
    for (const std::string& call : calls) {
        Note("double saw: %s", call.c_str());
        if (call.compare(0, std::string(expected).size(), expected) != 0)
            return Fail("VerifyScreenSavePwd was not given the saver window (%s)", expected);
    }
    if (calls.size() != 2) return Fail("VerifyScreenSavePwd called %u times, expected 2", unsigned(calls.size()));
    return kPass;
}

namespace {
const char kAppOverrides[] = "Software\\Wine\\AppDefaults\\Whirlmark.scr\\DllOverrides";

// Puts the MPR.DLL double in place of the system's for the saver alone (a per-program
// override makes Wine load the file instead of its built-in library) and puts
// everything back afterwards.
struct MprStage {
    std::string system, backup;
    bool swapped = false;
    ~MprStage() {
        if (swapped) {
            DeleteFileA(system.c_str());
            MoveFileA(backup.c_str(), system.c_str());
        }
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Whirlmark.scr");
        SetEnvironmentVariableA("WHIRL_MPR_LOG", nullptr);
    }
};
}  // namespace

Verdict SaverChangePassword(const Medium& medium, const std::string& doubles) {
    std::string scr;
    Verdict skip;
    if (!SaverReady(medium, "PwdChangePasswordA", "change-password mode", scr, skip)) return skip;
    std::string mprDouble = doubles + "mpr_double.dll";
    if (!FileExists(mprDouble)) return Fail("MPR.DLL test double not found: %s", mprDouble.c_str());

    MprStage stage;
    char dir[MAX_PATH];
    GetSystemDirectoryA(dir, MAX_PATH);
    stage.system = std::string(dir) + "\\MPR.DLL";
    stage.backup = stage.system + ".smoke";
    if (!MoveFileExA(stage.system.c_str(), stage.backup.c_str(), MOVEFILE_REPLACE_EXISTING))
        return Fail("cannot move %s aside", stage.system.c_str());
    stage.swapped = true;
    if (!CopyFileA(mprDouble.c_str(), stage.system.c_str(), FALSE)) return Fail("cannot copy the double to %s", stage.system.c_str());
    SetString(kAppOverrides, "mpr", "native");
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string log = std::string(temp) + "whirl-mpr.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("WHIRL_MPR_LOG", log.c_str());

    // The Display settings pass their own window as the parent.
    HWND owner = CreateWindowExA(0, "STATIC", "Display settings", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    char line[64];
    std::snprintf(line, sizeof line, " /a %lu", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(owner)));
    wt::Process saver = wt::Launch(Quoted(scr) + line);
    if (!saver.Valid()) return Fail("cannot start %s", scr.c_str());
    DWORD code = STILL_ACTIVE;
    for (DWORD start = GetTickCount(); code == STILL_ACTIVE && GetTickCount() - start < kStartMs; wt::PumpFor(100))
        code = saver.Wait(0);
    DestroyWindow(owner);
    if (code != 0) return Fail("/a: the saver %s", ExitText(code).c_str());
    Note("exited with 0 (%lu ms)", Elapsed());

    std::vector<std::string> calls = ReadLines(log);
    char expected[96];
    std::snprintf(expected, sizeof expected, "provider=SCRSAVE parent=%lu reserved=0,0",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(owner)));
    for (const std::string& call : calls) Note("double saw: %s", call.c_str());
    if (calls.size() != 1 || calls[0] != expected)
        return Fail("expected one call of PwdChangePasswordA with %s", expected);
    return kPass;
}

}  // namespace smoke
