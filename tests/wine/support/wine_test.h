// Helpers for the Windows tests that drive the real programs under Wine: finding the
// built programs, starting them, waiting for their windows and reading what they left.
#pragma once

#include <windows.h>

#include <string>

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

// Reads a REG_DWORD value; false when the key or value is missing or not 4 bytes.
bool ReadDword(HKEY root, const char* key, const char* name, DWORD& value);

// Reads a REG_SZ value; false when missing.
bool ReadString(HKEY root, const char* key, const char* name, std::string& value);

// Pumps this thread's messages for ms milliseconds.
void PumpFor(DWORD ms);

}  // namespace wt
