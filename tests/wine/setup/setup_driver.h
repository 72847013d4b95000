// Drives the real Setup.exe from a Windows test: a medium folder to start it from, the
// wizard's pages, buttons and controls read and pressed by message, its message boxes
// found and answered, and a few Unix helpers (mounts, screenshots) run through Wine.
#pragma once

#include <windows.h>

#include <string>

#include "wine_test.h"

namespace st {

// Page indexes of Setup's wizard, in order.
enum Page { kWelcome, kLicense, kDestination, kProgramFolder, kExtraOptions, kStartCopy, kComplete };

// Control ids of Setup's pages and the sheet's buttons.
constexpr int kTitle = 1001, kLicenseText = 1003, kProgramFolderEdit = 1003, kSpaceWarning = 1005,
              kBrowse = 1007, kDestFolder = 1008, kProgress = 1009, kFolderList = 1010,
              kDefaultSaver = 1011;
constexpr int kBack = 0x3023, kNext = 0x3024, kFinish = 0x3025, kCancel = IDCANCEL, kHelp = IDHELP;

// Makes folder C:\medium\ (or `folder`) holding a copy of the build's installation
// medium with, unless `licence` is null, a license.txt of exactly those bytes (none
// otherwise). Returns the folder.
std::string MakeMedium(const std::string* licence, const std::string& folder = "C:\\medium\\");

// Makes the next programs started report this Windows version ("win98", "winxp"...).
void SetWindowsVersion(const char* version);

// Makes Wine draw the window captions itself: the test displays have no window
// manager, so screenshots would otherwise show no title bars.
void DrawOwnCaptions();

// Runs a Unix shell command and waits up to `ms` for it to end; false on time-out.
bool RunUnix(const std::string& command, DWORD ms = 20000);
// The Unix path of a Windows path on drive Z: (the test's own files).
std::string UnixPath(const std::string& windowsPath);
// Saves the whole display as build/screenshots/setup/<name>.png.
bool Screenshot(const std::string& name);

// The text of a window, read by WM_GETTEXT.
std::string Text(HWND window);

struct Button {
    bool exists = false, visible = false, enabled = false;
    std::string text;
};

// A running Setup.exe and its wizard window.
class Wizard {
public:
    // Starts `medium`Setup.exe in `workDir` (the medium folder when empty).
    explicit Wizard(const std::string& medium = "C:\\medium\\", const std::string& workDir = "");

    // Waits for the wizard window; false when none appeared.
    bool WaitForWizard(DWORD ms = 20000);
    HWND Sheet() const { return m_sheet; }
    HWND Page();
    int PageIndex();
    HWND Item(int id) { return GetDlgItem(Page(), id); }
    std::string ItemText(int id) { return Text(Item(id)); }
    void SetItemText(int id, const std::string& text);
    Button GetButton(int id);

    // Presses a wizard button (PSBTN_*) by PSM_PRESSBUTTON, without waiting.
    void Press(int psbtn);
    // Presses Next or Back and waits until page `index` is active.
    bool Next(int index, DWORD ms = 10000);
    bool Back(int index, DWORD ms = 10000);
    // Presses Next on the start-copy page and waits for the completion page,
    // answering (and recording in `boxes`) the message boxes of the install.
    bool Install(DWORD ms = 60000);
    // Waits until page `index` is active.
    bool WaitForPage(int index, DWORD ms = 10000);

    // Waits for a message box (a dialog of this process other than the wizard) and
    // returns it; null on time-out.
    HWND WaitForBox(DWORD ms = 10000);
    // The caption, and the message text of a box.
    static std::string BoxText(HWND box);
    // Presses a button of a dialog (IDOK, IDCANCEL...).
    static void Answer(HWND box, int id);

    // Waits for the process to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD ms = 15000) { return m_process.Wait(ms); }
    DWORD Id() const { return m_process.Id(); }

    std::string boxes;

private:
    wt::Process m_process;
    HWND m_sheet = nullptr;
};

// Polls `condition` every 20 ms for up to `ms`.
template <typename F>
bool WaitUntil(F condition, DWORD ms = 10000) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= ms) return false;
        Sleep(20);
    }
}

}  // namespace st
