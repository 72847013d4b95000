// The wizards' start-up before any window: see wizard_start.h.
#include "wizard_start.h"

#include <windows.h>

namespace product {

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
    return true;
}

}  // namespace product
