// Drives a wizard from a test; see wizard_driver.h.
#include "wizard_driver.h"

#include "install_checks.h"

#include <commctrl.h>

#include <cstdlib>
#include <sstream>

namespace ic {

namespace {

const char kSheetTitle[] = "Whirlmark Setup";

struct BoxQuery {
    DWORD pid;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM param) {
    auto* q = reinterpret_cast<BoxQuery*>(param);
    char text[256];
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != q->pid || !IsWindowVisible(hwnd)) return TRUE;
    if (!GetClassNameA(hwnd, text, sizeof text) || lstrcmpA(text, "#32770") != 0) return TRUE;
    GetWindowTextA(hwnd, text, sizeof text);
    if (lstrcmpA(text, q->caption) != 0) return TRUE;
    q->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectStaticText(HWND hwnd, LPARAM param) {
    char cls[64];
    if (GetClassNameA(hwnd, cls, sizeof cls) && lstrcmpiA(cls, "Static") == 0) {
        char text[1024] = "";
        DWORD_PTR got = 0;
        SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 2000, &got);
        if (text[0]) *reinterpret_cast<std::string*>(param) += text;
    }
    return TRUE;
}

}  // namespace

bool Wizard::Start(const std::string& program, const std::string& workDir) {
    m_launched = wt::Launch("\"" + program + "\"", workDir);
    if (!m_launched.Valid()) return false;
    m_process = m_launched.Handle();
    DWORD pid = m_launched.Id();
    for (DWORD start = GetTickCount(); GetTickCount() - start < 20000;) {
        AnswerBoxes();
        m_sheet = wt::WaitForWindow("#32770", kSheetTitle, pid, 100);
        if (m_sheet) return true;
        if (m_launched.Wait(0) != STILL_ACTIVE) return false;
    }
    return false;
}

bool Wizard::Attach() {
    m_sheet = wt::WaitForWindow("#32770", kSheetTitle, 0, 20000);
    if (!m_sheet) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(m_sheet, &pid);
    m_attached.h = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    m_process = m_attached.h;
    return m_process != nullptr;
}

bool Wizard::AnswerBoxes() {
    DWORD pid = GetProcessId(m_process);
    BoxQuery q{pid, m_boxCaption, nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&q));
    if (!q.found) return false;
    std::string text;
    EnumChildWindows(q.found, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    boxes.push_back(text);
    if (!boxShots.empty()) Screenshot(boxShots + "-box" + std::to_string(boxes.size()));
    PostMessageA(q.found, WM_COMMAND, IDOK, 0);
    for (DWORD start = GetTickCount(); IsWindow(q.found) && GetTickCount() - start < 5000;)
        wt::PumpFor(20);
    return true;
}

HWND Wizard::Page() {
    DWORD_PTR page = 0;
    if (!SendMessageTimeoutA(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 200, &page))
        return nullptr;
    return reinterpret_cast<HWND>(page);
}

std::string Wizard::Text(HWND window) {
    char text[1024] = "";
    DWORD_PTR got = 0;
    if (!window || !SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                        SMTO_ABORTIFHUNG, 200, &got))
        return std::string();
    return text;
}

bool Wizard::WaitForPage(const char* title, DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        if (AnswerBoxes()) continue;
        HWND page = Page();
        if (page && Text(GetDlgItem(page, 1001)) == title) return true;
        wt::PumpFor(30);
    }
    return false;
}

std::string Wizard::WaitForPageOf(const std::vector<std::string>& titles, DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        if (AnswerBoxes()) continue;
        HWND page = Page();
        std::string title = page ? Text(GetDlgItem(page, 1001)) : std::string();
        for (const std::string& t : titles)
            if (title == t) return t;
        wt::PumpFor(30);
    }
    return std::string();
}

void Wizard::PressNext() { PostMessageA(m_sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0); }

void Wizard::PressCancel() { PostMessageA(m_sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }

void Wizard::PressFinish() { PostMessageA(m_sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0); }

void Wizard::SetText(int id, const std::string& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(Page(), id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 2000, &result);
}

void Wizard::SetCheck(int id, int state) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(Page(), id), BM_SETCHECK, state, 0, SMTO_ABORTIFHUNG, 2000, &result);
}

int Wizard::ProgressPosition(HWND page, int id) {
    DWORD_PTR pos = 0;
    if (!SendMessageTimeoutA(GetDlgItem(page, id), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &pos))
        return -1;
    return static_cast<int>(pos);
}

bool Wizard::ButtonVisible(int id) {
    HWND button = GetDlgItem(m_sheet, id);
    return button && IsWindowVisible(button);
}

bool Wizard::ButtonEnabled(int id) {
    HWND button = GetDlgItem(m_sheet, id);
    return button && IsWindowEnabled(button);
}

std::string Wizard::ButtonText(int id) { return Text(GetDlgItem(m_sheet, id)); }

bool Wizard::ProbeProgress() {
    HMODULE dll = LoadLibraryA((wt::BinDir() + "progress_probe.dll").c_str());
    if (!dll) return false;
    auto proc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(dll, "ProbeCallWndProc")));
    DWORD thread = GetWindowThreadProcessId(m_sheet, nullptr);
    m_probe = proc ? SetWindowsHookExA(WH_CALLWNDPROC, proc, dll, thread) : nullptr;
    return m_probe != nullptr;
}

DWORD Wizard::WaitForExit(DWORD ms) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(m_process, ms) == WAIT_OBJECT_0) GetExitCodeProcess(m_process, &code);
    if (m_probe) UnhookWindowsHookEx(m_probe);
    m_probe = nullptr;
    return code;
}

WizardRun DriveSetup(const SetupChoices& c) {
    WizardRun run;
    DeleteFileA("C:\\progress.log");
    Wizard w("Setup");
    if (!w.Start(c.medium + "Setup.exe", c.medium)) return run;
    const char* pages[] = {"Welcome to the Whirlmark installation wizard", "License Agreement",
                           "Choose destination location", "Select Program Folder",
                           "Additional options", "Start copying files"};
    HWND startCopy = nullptr;
    for (const char* title : pages) {
        if (!w.WaitForPage(title)) {
            run.boxes = w.boxes;
            return run;
        }
        if (title == pages[2] && !c.installDir.empty()) w.SetText(1008, c.installDir);
        if (title == pages[3] && !c.folderName.empty()) w.SetText(1003, c.folderName);
        if (title == pages[4]) w.SetCheck(1011, c.defaultSaver ? BST_CHECKED : BST_UNCHECKED);
        if (title == pages[5]) {
            startCopy = w.Page();
            if (!w.ProbeProgress()) return run;
        }
        w.PressNext();
    }
    const std::string end = w.WaitForPageOf({"Installation complete", "Installation incomplete"}, 60000);
    run.completed = end == "Installation complete";
    run.incomplete = end == "Installation incomplete";
    run.details = w.Text(GetDlgItem(w.Page(), 1013));
    run.boxes = w.boxes;
    run.finalPosition = w.ProgressPosition(startCopy, 1009);
    run.closeOnly = w.ButtonVisible(0x3025) && w.ButtonText(0x3025) == "Close" &&
                    !w.ButtonVisible(0x3023) && !w.ButtonVisible(0x3024);
    w.PressFinish();
    run.exitCode = w.WaitForExit();
    run.progress = ProgressLog();
    return run;
}

std::vector<int> ProgressLog() {
    std::vector<int> positions;
    HANDLE f = CreateFileA("C:\\progress.log", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return positions;
    char buffer[4096];
    DWORD got = 0;
    std::string text;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
    CloseHandle(f);
    std::istringstream in(text);
    for (int p; in >> p;) positions.push_back(p);
    return positions;
}

bool Screenshot(const std::string& name) {
    // build/screenshots, beside <build>/bin where the test program lives, seen from Unix.
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA((wt::BinDir() + "..\\..\\screenshots\\" + name + ".png").c_str(),
                               MAX_PATH, full, nullptr);
    std::string file(full, n < MAX_PATH ? n : 0);
    if (file.size() < 3 || (file[0] != 'Z' && file[0] != 'z') || file[1] != ':') return false;
    MakeFolders(file.substr(0, file.find_last_of('\\')));
    std::string unixFile = file.substr(2);
    for (char& c : unixFile)
        if (c == '\\') c = '/';
    // Wine starts a Unix program without giving back a process handle, so wait for the
    // picture file instead.
    DeleteFileA(file.c_str());
    wt::Launch("Z:\\usr\\bin\\import -window root \"" + unixFile + "\"");
    LONGLONG last = -1;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 20000;) {
        wt::PumpFor(250);
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data)) continue;
        LONGLONG size = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        if (size > 0 && size == last) return true;
        last = size;
    }
    return false;
}

}  // namespace ic
