// Setup driver for the Windows tests: see setup_driver.h.
#include "setup_driver.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace st {

std::string MakeMedium(const std::string* licence, const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
    // The build's installation medium: the programs and documents Setup installs.
    std::string medium = wt::BinDir() + "..\\medium\\";
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((medium + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                CopyFileA((medium + entry.cFileName).c_str(), (folder + entry.cFileName).c_str(), FALSE);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    CopyFileA((wt::BinDir() + "Setup.exe").c_str(), (folder + "Setup.exe").c_str(), FALSE);
    std::string licencePath = folder + "license.txt";
    DeleteFileA(licencePath.c_str());
    if (licence) {
        HANDLE file = CreateFileA(licencePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD wrote = 0;
        WriteFile(file, licence->data(), static_cast<DWORD>(licence->size()), &wrote, nullptr);
        CloseHandle(file);
    }
    return folder;
}

void SetWindowsVersion(const char* version) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   static_cast<DWORD>(lstrlenA(version) + 1));
    RegCloseKey(key);
}

void DrawOwnCaptions() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "Decorated", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    RegCloseKey(key);
}

std::string UnixPath(const std::string& windowsPath) {
    std::string path = windowsPath;
    if (path.size() >= 2 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':') path = path.substr(2);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool RunUnix(const std::string& command, DWORD ms) {
    // Wine starts Unix programs but gives no handle to wait on: the command touches a
    // marker file when it has finished.
    // The marker lives in this test's own scratch folder: tests running side by side
    // have their own Wine servers, so their process ids can be equal.
    static int serial = 0;
    char runDir[MAX_PATH] = "";
    std::string folder = wt::BinDir();
    DWORD n = GetEnvironmentVariableA("WHIRL_RUN_DIR", runDir, sizeof runDir);
    if (n > 0 && n < sizeof runDir) {
        folder = std::string("Z:") + runDir + "\\";
        for (char& c : folder)
            if (c == '/') c = '\\';
    }
    char marker[MAX_PATH];
    std::snprintf(marker, sizeof marker, "%sunix-done-%lu-%d", folder.c_str(),
                  GetCurrentProcessId(), ++serial);
    DeleteFileA(marker);
    std::string script = command + "; touch '" + UnixPath(marker) + "'";
    // Inside the quoted argument, a double quote is written \".
    std::string quoted;
    for (char c : script) {
        if (c == '"') quoted += '\\';
        quoted += c;
    }
    std::string line = "Z:\\bin\\sh -c \"" + quoted + "\"";
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, buf.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    bool done = WaitUntil([&] { return GetFileAttributesA(marker) != INVALID_FILE_ATTRIBUTES; }, ms);
    DeleteFileA(marker);
    return done;
}

bool Screenshot(const std::string& name) {
    std::string dir = WHIRL_SCREENSHOT_DIR;
    std::string file = dir + "/" + name + ".png";
    return RunUnix("mkdir -p '" + dir + "' && /usr/bin/import -window root '" + file + ".tmp.png' && mv '" +
                       file + ".tmp.png' '" + file + "'",
                   30000);
}

std::string Text(HWND window) {
    if (!window) return std::string();
    char buf[8192] = "";
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf),
                             SMTO_ABORTIFHUNG, 5000, &got))
        return std::string();
    return std::string(buf, got < sizeof buf ? got : sizeof buf - 1);
}

namespace {
struct BoxQuery {
    DWORD pid;
    HWND sheet;
    HWND found;
};
BOOL CALLBACK MatchBox(HWND hwnd, LPARAM param);
}  // namespace

Wizard::Wizard(const std::string& medium, const std::string& workDir)
    : m_process(wt::Launch("\"" + medium + "Setup.exe\"", workDir.empty() ? medium : workDir)) {}

bool Wizard::WaitForWizard(DWORD ms) {
    m_sheet = wt::WaitForWindow("#32770", "Whirlmark Setup", m_process.Id(), ms);
    return m_sheet != nullptr;
}

HWND Wizard::Page() {
    DWORD_PTR page = 0;
    SendMessageTimeoutA(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page);
    return reinterpret_cast<HWND>(page);
}

int Wizard::PageIndex() {
    HWND page = Page();
    if (!page) return -1;
    DWORD_PTR index = static_cast<DWORD_PTR>(-1);
    SendMessageTimeoutA(m_sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0, SMTO_ABORTIFHUNG,
                        5000, &index);
    return static_cast<int>(index);
}

void Wizard::SetItemText(int id, const std::string& text) {
    DWORD_PTR ignored;
    SendMessageTimeoutA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                        5000, &ignored);
}

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

void Wizard::Press(int psbtn) { PostMessageA(m_sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(psbtn), 0); }

bool Wizard::WaitForPage(int index, DWORD ms) {
    return WaitUntil([&] { return PageIndex() == index; }, ms);
}

bool Wizard::Install(DWORD ms) {
    Press(PSBTN_NEXT);
    return WaitUntil([&] {
        if (PageIndex() == kComplete) return true;
        BoxQuery q{m_process.Id(), m_sheet, nullptr};
        EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&q));
        if (q.found) {
            boxes += BoxText(q.found) + "\n";
            Answer(q.found, IDOK);
            WaitUntil([&] { return !IsWindow(q.found); }, 5000);
        }
        return false;
    }, ms);
}

bool Wizard::Next(int index, DWORD ms) {
    Press(PSBTN_NEXT);
    return WaitForPage(index, ms);
}

bool Wizard::Back(int index, DWORD ms) {
    Press(PSBTN_BACK);
    return WaitForPage(index, ms);
}

namespace {
BOOL CALLBACK MatchBox(HWND hwnd, LPARAM param) {
    auto* q = reinterpret_cast<BoxQuery*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == q->pid && hwnd != q->sheet && IsWindowVisible(hwnd) && lstrcmpA(cls, "#32770") == 0) {
        q->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND hwnd, LPARAM param) {
    auto* text = reinterpret_cast<std::string*>(param);
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        std::string t = Text(hwnd);
        if (!t.empty()) {
            if (!text->empty()) *text += "\n";
            *text += t;
        }
    }
    return TRUE;
}
}  // namespace

HWND Wizard::WaitForBox(DWORD ms) {
    BoxQuery q{m_process.Id(), m_sheet, nullptr};
    WaitUntil([&] {
        q.found = nullptr;
        EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&q));
        return q.found != nullptr;
    }, ms);
    return q.found;
}

std::string Wizard::BoxText(HWND box) {
    std::string text = Text(box) + "|";
    std::string body;
    EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&body));
    return text + body;
}

void Wizard::Answer(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

}  // namespace st
