// The wizards' start-up before any window: see wizard_start.h.
#include "wizard_start.h"

#include <windows.h>

namespace product {

namespace {

// Setup and Uninstall share it, so only one of them changes the machine at a time. No
// "\" in the name: the Windows 95 family and NT 4.0 refuse one.
const char kInstallerMutex[] = "Brindlecroft.Whirlmark.Installer";

// Held until the process ends.
HANDLE g_installerMutex = nullptr;

}  // namespace

bool TakeInstallerLock() {
    if (g_installerMutex) return true;
    HANDLE mutex = ::CreateMutexA(nullptr, TRUE, kInstallerMutex);
    if (!mutex) return false;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        // Ours only once the other instance has let it go.
        DWORD wait = ::WaitForSingleObject(mutex, 0);
        if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) {
            ::CloseHandle(mutex);
            return false;
        }
    }
    g_installerMutex = mutex;
    return true;
}

bool PrepareRun(const WizardOptions& options, const char* program, bool takesDestination, LogFile& log,
                int& exitCode) {
    if (!options.error.empty() || options.usage) {
        if (!options.error.empty() && options.silent) return false;
        std::string text = options.error.empty() ? "" : options.error + "\n\n";
        text += UsageText(program, takesDestination);
        ::MessageBoxA(nullptr, text.c_str(), kWizardCaption,
                      MB_OK | (options.error.empty() ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
        if (options.error.empty()) exitCode = kExitDone;
        return false;
    }
    if (!log.Open(options.logFile)) {
        if (!options.silent)
            ::MessageBoxA(nullptr, ("Cannot write the log file " + options.logFile).c_str(), kWizardCaption,
                          MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!TakeInstallerLock()) {
        const std::string text = std::string(program) + " is already running.";
        log.Write("refused " + text);
        if (!options.silent) ::MessageBoxA(nullptr, text.c_str(), kWizardCaption, MB_OK | MB_ICONEXCLAMATION);
        exitCode = kExitRefused;
        return false;
    }
    return true;
}

}  // namespace product
