// Helpers for the Windows tests that drive the real programs under Wine: finding the
// built programs, starting them, waiting for their windows and message boxes, reading
// what they show and left, and the few Unix commands a test runs (screenshots, mounts).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wt {

// Folder of the running test program, with a trailing backslash. The build puts the
// product programs beside the tests.
std::string BinDir();

// A started child process; closes its handles and, if still running, ends it.
class Process {
public:
    Process() = default;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    bool Valid() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // Waits up to ms; returns the exit code, or STILL_ACTIVE when it is still running.
    DWORD Wait(DWORD ms);
    void Kill();

private:
    friend Process Launch(const std::string&, const std::string&);
    PROCESS_INFORMATION info_{};
};

// Starts `commandLine` (program path first, quoted if needed) in `workDir` (the
// current folder when empty). Returns an invalid Process on failure.
Process Launch(const std::string& commandLine, const std::string& workDir = std::string());

// Waits up to ms for a visible top-level window of `className` (and `title`, when not
// null) that belongs to process `pid` (any process when 0). Returns null on timeout.
HWND WaitForWindow(const char* className, const char* title, DWORD pid, DWORD ms);

// A visible dialog-class window of process `pid` other than `except`, titled `caption`
// when that is not null: a message box, or a dialog such as the folder browser.
HWND FindMessageBox(DWORD pid, HWND except, const char* caption = nullptr);
// The texts of a dialog's static controls joined by "\n": a message box's message.
std::string MessageBoxText(HWND box);
// Presses a button of a dialog (IDOK, IDCANCEL...) without waiting for it.
void AnswerMessageBox(HWND box, int id = IDOK);

// The text of a window or control, asked from its own process (the caption the system
// keeps is not an edit control's text); empty when it does not answer within 5 s.
std::string Text(HWND window);

// Reads a REG_DWORD value; false when the key or value is missing or not 4 bytes.
bool ReadDword(HKEY root, const char* key, const char* name, DWORD& value);
// Reads a REG_SZ value; false when missing.
bool ReadString(HKEY root, const char* key, const char* name, std::string& value);
// Sets, or deletes when `value` is null, a REG_SZ value under HKEY_CURRENT_USER; false
// when the key cannot be made or the value not changed.
bool SetString(const char* key, const char* name, const char* value);
// Makes the programs started after this see that Windows version ("win98", "winxp"...);
// null restores Wine's default.
inline bool SetWindowsVersion(const char* version) { return SetString("Software\\Wine", "Version", version); }

// Pumps this thread's messages for ms milliseconds.
void PumpFor(DWORD ms);
// Calls `done` every 10 ms, pumping this thread's messages, until it returns true or ms
// have passed. Returns the last result.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = 10000);

// The screen's pixels in `area` (screen coordinates), rows from the top, each 0x00RRGGBB;
// empty when the capture failed.
std::vector<DWORD> ScreenPixels(const RECT& area);

// Runs a Unix shell command through Wine and waits up to `ms` for it; false on time-out.
bool RunUnix(const std::string& command, DWORD ms = 20000);
// The Unix path of a Windows path on drive Z: (the build's own files).
std::string UnixPath(const std::string& windowsPath);
// Saves the display, or `area` of it, as build/screenshots/<name>.png ("setup/welcome"
// makes the folder setup). False when no picture came.
bool Screenshot(const std::string& name);
bool Screenshot(const std::string& name, const RECT& area);

}  // namespace wt
