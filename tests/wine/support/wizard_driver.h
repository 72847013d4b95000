// Drives a running wizard (Setup or Uninstall) from a test the way a user would: finds
// its sheet, reads the current page by index and by title, fills in controls, presses
// its buttons, waits for pages, answers and records its message boxes, reads its
// progress bar and waits for it to end.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "wine_test.h"

namespace wt {

// The sheet's buttons, and the controls every page of both wizards has in common.
constexpr int kBack = 0x3023, kNext = 0x3024, kFinish = 0x3025, kCancel = IDCANCEL, kHelp = IDHELP;
constexpr int kPageTitle = 1001, kProgressBar = 1009, kFailureList = 1013;

struct Button {
    bool exists = false, visible = false, enabled = false;
    std::string text;
};

// What a run through a wizard showed.
struct WizardRun {
    std::string page;                  // title of the last page reached
    bool completed = false;            // the first of the end pages was reached
    bool incomplete = false;           // the second was (Setup: reporting failures)
    std::string details;               // the end page's list of what failed
    std::vector<std::string> boxes;    // message boxes on the way, in order
    std::vector<int> progress;         // positions the bar was given, when probed
    int finalPosition = -1;            // the bar's position at the end
    bool closeOnly = false;            // the end page shows "Close" and no Back or Next
    DWORD exitCode = STILL_ACTIVE;     // after "Close"
};

class Wizard {
public:
    // How long the driver waits by default, in ms: for the sheet, for a page, for the
    // work started on the last page, and for the program to end.
    struct Timing {
        DWORD sheet = 20000, page = 20000, work = 60000, exit = 20000;
    };
    // Called on each page a run reaches with its index (the end page's index is the
    // number of pages walked); false ends the run there.
    using PageCheck = std::function<bool(Wizard&, int page)>;

    // With `boxCaption` (the program's name, the caption of its message boxes), every
    // wait answers such boxes with OK and records their messages in `boxes`; without it
    // the test finds and answers boxes itself (WaitForBox, AnswerBox).
    explicit Wizard(const char* boxCaption = nullptr) : m_boxCaption(boxCaption) {}
    ~Wizard();
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    // Starts `program` in `workDir` without waiting; false when it did not start.
    bool Launch(const std::string& program, const std::string& workDir);
    // Launches, then waits for the wizard window. False when none appeared.
    bool Start(const std::string& program, const std::string& workDir);
    // Waits for the started program's wizard window.
    bool WaitForSheet(DWORD ms);
    bool WaitForSheet() { return WaitForSheet(timing.sheet); }
    // Waits for a wizard window started by someone else (a shortcut) and takes it over.
    bool Attach();

    HWND Sheet() const { return m_sheet; }
    DWORD Id() const { return m_pid; }
    HWND Page();
    int PageIndex();
    std::string PageTitle() { return Text(Item(kPageTitle)); }
    HWND Item(int id) { return GetDlgItem(Page(), id); }
    std::string ItemText(int id) { return Text(Item(id)); }
    // Sets an item of the current page: its text, or a check box's state.
    void SetText(int id, const std::string& text);
    void SetCheck(int id, int state);
    Button GetButton(int id);
    // Position of the progress bar of `page`, -1 when it does not answer.
    int Progress(HWND page);

    // Presses a wizard button (PSBTN_*) without waiting.
    void Press(int psbtn);
    // Waits until page `index`, or a page titled as one of `titles`, is current; false
    // on time-out or when the wizard window is gone. The title found, or "".
    bool WaitForPage(int index, DWORD ms = 10000);
    std::string WaitForPageOf(const std::vector<std::string>& titles, DWORD ms);
    bool WaitForPage(const std::string& title, DWORD ms) { return !WaitForPageOf({title}, ms).empty(); }
    bool WaitForPage(const std::string& title) { return WaitForPage(title, timing.page); }
    // Presses Next or Back and waits until page `index` is current.
    bool Next(int index, DWORD ms = 10000);
    bool Back(int index, DWORD ms = 10000);

    // The message box (or other dialog) of the program that is showing, titled as the
    // constructor's caption when one was given; null when none is.
    HWND FindBox() { return FindMessageBox(m_pid, m_sheet, m_boxCaption); }
    HWND WaitForBox(DWORD ms = 10000);
    // "caption|message" of a box.
    static std::string BoxText(HWND box) { return Text(box) + "|" + MessageBoxText(box); }
    // Records the message of the box that is showing, answers it with OK and waits for
    // it to go; false when no box is showing.
    bool AnswerBox();

    // Makes the wizard log its progress-bar positions (see ProgressLog).
    bool ProbeProgress();
    // Waits for the program to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD ms);
    DWORD WaitForExit() { return WaitForExit(timing.exit); }

    // Walks the wizard through `pages` (titles, in order), calling `check` on each and
    // pressing Next; with `probe`, the bar of the last one is logged. Then waits for one
    // of `ends`, calls `check` there, presses Close and waits for the program to end.
    WizardRun Run(const std::vector<std::string>& pages, const std::vector<std::string>& ends,
                  const PageCheck& check, bool probe);

    Timing timing;
    // Messages of every box answered so far, in order.
    std::vector<std::string> boxes;
    // When set, each box is photographed before it is answered, as <boxShots>-box<N>.
    std::string boxShots;

private:
    const char* m_boxCaption;
    HWND m_sheet = nullptr;
    DWORD m_pid = 0;
    HANDLE m_process = nullptr;  // owned by m_launched, or opened by Attach
    Process m_launched;
    HHOOK m_probe = nullptr;
};

// The progress positions logged by the probe, in order.
std::vector<int> ProgressLog();

}  // namespace wt
