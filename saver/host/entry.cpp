// Entry point of the screen saver: reads the switch Windows started it with, creates
// and reads the settings, and runs the one operation of the run mode.
#include <windows.h>

#include <memory>

#include "command_line.h"
#include "config_dialog.h"
#include "password.h"
#include "preview_host.h"
#include "saver_globals.h"
#include "saver_window.h"

namespace {
HWND ResolveParent(const ParsedCommandLine& line) {
    switch (line.parentSource) {
    case ParentSource::ForegroundWindow:
        return GetForegroundWindow();
    case ParentSource::PreviewHost:
        return FindPreviewHost();
    case ParentSource::Number:
        break;
    }
    return reinterpret_cast<HWND>(line.parent);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_instance = instance;
    const ParsedCommandLine line = ParseCommandLine(GetCommandLineA());
    g_runMode = line.mode;
    const HWND parent = ResolveParent(line);

    auto settings = std::make_unique<SaverSettings>();
    g_settings = settings.get();
    settings->ReadSystemSaverValues();
    settings->ReadSettings();

    switch (g_runMode) {
    case RunMode::ChangePassword:
        ChangeSaverPassword(parent);
        break;
    case RunMode::Configure:
        RegisterConfigDialogClasses();
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONFIG), parent, ConfigDialogProc, 0);
        break;
    case RunMode::Preview:
    case RunMode::FullScreen:
        RunSaverWindow(parent);
        break;
    case RunMode::None:
        break;
    }

    g_settings = nullptr;
    return 0;
}
