// Drives a wizard from a test; see wizard_driver.h.
#include "wizard_driver.h"

#include <sstream>

namespace wt {

namespace {
const char kSheetTitle[] = "Whirlmark Setup";
const char kProgressLog[] = "C:\\progress.log";

DWORD_PTR Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, DWORD_PTR failed = 0) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result) ? result : failed;
}
}  // namespace

Wizard::~Wizard() {
    if (m_probe) UnhookWindowsHookEx(m_probe);
    if (m_process && !m_launched.Valid()) CloseHandle(m_process);
}

bool Wizard::Launch(const std::string& program, const std::string& workDir) {
    m_launched = wt::Launch("\"" + program + "\"", workDir);
    m_process = m_launched.Handle();
    m_pid = m_launched.Id();
    return m_launched.Valid();
}

bool Wizard::Start(const std::string& program, const std::string& workDir) {
    return Launch(program, workDir) && WaitForSheet();
}

bool Wizard::WaitForSheet(DWORD ms) {
    // Boxes the program shows before its wizard are answered (when that is asked for).
    WaitUntil([&] {
        if (m_boxCaption && AnswerBox()) return false;
        m_sheet = WaitForWindow("#32770", kSheetTitle, m_pid, 0);
        return m_sheet != nullptr || WaitForSingleObject(m_process, 0) == WAIT_OBJECT_0;
    }, ms);
    return m_sheet != nullptr;
}

bool Wizard::Attach() {
    m_sheet = WaitForWindow("#32770", kSheetTitle, 0, timing.sheet);
    if (!m_sheet) return false;
    GetWindowThreadProcessId(m_sheet, &m_pid);
    m_process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, m_pid);
    return m_process != nullptr;
}

HWND Wizard::Page() { return reinterpret_cast<HWND>(Ask(m_sheet, PSM_GETCURRENTPAGEHWND)); }

int Wizard::PageIndex() {
    HWND page = Page();
    return page ? static_cast<int>(Ask(m_sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0,
                                       static_cast<DWORD_PTR>(-1)))
                : -1;
}

void Wizard::SetText(int id, const std::string& text) {
    Ask(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Wizard::SetCheck(int id, int state) { Ask(Item(id), BM_SETCHECK, static_cast<WPARAM>(state)); }

Button Wizard::GetButton(int id) {
    Button b;
    HWND button = GetDlgItem(m_sheet, id);
    if (!button) return b;
    b.exists = true;
    b.visible = IsWindowVisible(button) != FALSE;
    b.enabled = IsWindowEnabled(button) != FALSE;
    b.text = Text(button);
    return b;
}

int Wizard::Progress(HWND page) {
    return static_cast<int>(Ask(GetDlgItem(page, kProgressBar), PBM_GETPOS, 0, 0, static_cast<DWORD_PTR>(-1)));
}

void Wizard::Press(int psbtn) { PostMessageA(m_sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(psbtn), 0); }

bool Wizard::WaitForPage(int index, DWORD ms) {
    return WaitUntil([&] {
        if (m_boxCaption && AnswerBox()) return false;
        return PageIndex() == index;
    }, ms);
}

std::string Wizard::WaitForPageOf(const std::vector<std::string>& titles, DWORD ms) {
    std::string found;
    WaitUntil([&] {
        if (m_boxCaption && AnswerBox()) return false;
        if (!IsWindow(m_sheet)) return true;
        std::string title = PageTitle();
        for (const std::string& t : titles)
            if (title == t) found = t;
        return !found.empty();
    }, ms);
    return found;
}

bool Wizard::Next(int index, DWORD ms) {
    Press(PSBTN_NEXT);
    return WaitForPage(index, ms);
}

bool Wizard::Back(int index, DWORD ms) {
    Press(PSBTN_BACK);
    return WaitForPage(index, ms);
}

HWND Wizard::WaitForBox(DWORD ms) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindBox()) != nullptr; }, ms);
    return box;
}

bool Wizard::AnswerBox() {
    HWND box = FindBox();
    if (!box) return false;
    boxes.push_back(MessageBoxText(box));
    if (!boxShots.empty()) Screenshot(boxShots + "-box" + std::to_string(boxes.size()));
    AnswerMessageBox(box, IDOK);
    WaitUntil([&] { return !IsWindow(box); }, 5000);
    return true;
}

bool Wizard::ProbeProgress() {
    HMODULE dll = LoadLibraryA((BinDir() + "progress_probe.dll").c_str());
    if (!dll) return false;
    auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "ProbeCallWndProc")));
    DWORD thread = GetWindowThreadProcessId(m_sheet, nullptr);
    m_probe = proc ? SetWindowsHookExA(WH_CALLWNDPROC, proc, dll, thread) : nullptr;
    return m_probe != nullptr;
}

DWORD Wizard::WaitForExit(DWORD ms) {
    DWORD code = STILL_ACTIVE;
    WaitUntil([&] {
        if (m_boxCaption && AnswerBox()) return false;
        return WaitForSingleObject(m_process, 0) == WAIT_OBJECT_0;
    }, ms);
    if (WaitForSingleObject(m_process, 0) == WAIT_OBJECT_0) GetExitCodeProcess(m_process, &code);
    if (m_probe) UnhookWindowsHookEx(m_probe);
    m_probe = nullptr;
    return code;
}

WizardRun Wizard::Run(const std::vector<std::string>& pages, const std::vector<std::string>& ends,
                      const PageCheck& check, bool probe) {
    WizardRun run;
    if (probe) DeleteFileA(kProgressLog);
    HWND last = nullptr;
    for (size_t i = 0; i < pages.size(); ++i) {
        bool reached = WaitForPage(pages[i]);
        run.boxes = boxes;
        if (!reached) {
            run.page = PageTitle();
            return run;
        }
        run.page = pages[i];
        if (check && !check(*this, static_cast<int>(i))) return run;
        last = Page();
        if (i + 1 == pages.size() && probe && !ProbeProgress()) return run;
        Press(PSBTN_NEXT);
    }
    run.page = WaitForPageOf(ends, timing.work);
    run.boxes = boxes;
    if (run.page.empty()) {
        run.page = PageTitle();
        return run;
    }
    run.completed = run.page == ends[0];
    run.incomplete = ends.size() > 1 && run.page == ends[1];
    if (check && !check(*this, static_cast<int>(pages.size()))) return run;
    run.details = ItemText(kFailureList);
    run.finalPosition = Progress(last);
    Button close = GetButton(kFinish);
    run.closeOnly = close.visible && close.text == "Close" && !GetButton(kBack).visible && !GetButton(kNext).visible;
    Press(PSBTN_FINISH);
    run.exitCode = WaitForExit();
    if (probe) run.progress = ProgressLog();
    return run;
}

std::vector<int> ProgressLog() {
    std::vector<int> positions;
    HANDLE f = CreateFileA(kProgressLog, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
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

}  // namespace wt
