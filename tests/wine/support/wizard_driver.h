// Drives a running wizard (Setup or Uninstall) from a test the way a user would: waits
// for its pages by their titles, fills in controls, presses its buttons and answers its
// message boxes, recording their texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "wine_test.h"

namespace ic {

class Wizard {
public:
    // `boxCaption` is the program's name, the caption of its message boxes.
    explicit Wizard(const char* boxCaption) : m_boxCaption(boxCaption) {}

    // Starts `program` in `workDir` and waits for its wizard window, answering the
    // message boxes shown before it. False when no wizard appeared.
    bool Start(const std::string& program, const std::string& workDir);
    // Waits for a wizard window started by someone else (a shortcut) and takes it over.
    bool Attach();

    // Waits until the current page's title reads `title`, answering message boxes.
    bool WaitForPage(const char* title, DWORD ms = 20000);
    // The same for any of `titles`; the title found, or "" on timeout.
    std::string WaitForPageOf(const std::vector<std::string>& titles, DWORD ms = 20000);
    void PressNext();
    void PressFinish();
    void PressCancel();
    // Sets an item of the current page: its text, or a check box's state.
    void SetText(int id, const std::string& text);
    void SetCheck(int id, int state);
    // The current page, the text of one of its items, and a progress bar's position.
    HWND Page();
    std::string Text(HWND window);
    int ProgressPosition(HWND page, int id);
    // Whether a wizard button (ID_WIZBACK...) is visible, and its caption.
    bool ButtonVisible(int id);
    bool ButtonEnabled(int id);
    std::string ButtonText(int id);
    // Makes the wizard log its progress-bar positions (see ProgressLog).
    bool ProbeProgress();
    // Waits for the program to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD ms = 20000);

    // Texts of every message box answered so far, in order.
    std::vector<std::string> boxes;
    // When set, each box is photographed before it is answered, as <boxShots>-box<N>.
    std::string boxShots;

private:
    bool AnswerBoxes();

    const char* m_boxCaption;
    HWND m_sheet = nullptr;
    HANDLE m_process = nullptr;  // owned by m_launched or m_attached
    wt::Process m_launched;
    struct Handle {
        HANDLE h = nullptr;
        ~Handle() { if (h) CloseHandle(h); }
    } m_attached;
    HHOOK m_probe = nullptr;
};

// Setup driven through every page with these choices (empty: keep the page's default).
struct SetupChoices {
    std::string medium = "C:\\medium\\";  // folder Setup is started from
    std::string installDir;
    std::string folderName;
    bool defaultSaver = true;
};

// What a wizard run showed.
struct WizardRun {
    bool completed = false;            // the completion page was reached, reporting success
    bool incomplete = false;           // the completion page was reached, reporting failures
    std::string details;               // the completion page's list of what failed
    std::vector<std::string> boxes;    // message boxes on the way, in order
    std::vector<int> progress;         // positions of the start-copy page's bar
    int finalPosition = -1;            // the bar's position at the end
    bool closeOnly = false;            // completion shows "Close" and no Back or Next
    DWORD exitCode = STILL_ACTIVE;     // after "Close"
};

WizardRun DriveSetup(const SetupChoices& choices);

// The progress positions logged by the probe, in order.
std::vector<int> ProgressLog();

// Saves a picture of the whole display as build/screenshots/<name>.png (for example
// "uninstall/start"), with ImageMagick's import.
bool Screenshot(const std::string& name);

}  // namespace ic
