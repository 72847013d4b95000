// CUninstallApp: see uninstall_app.h.
#include "uninstall_app.h"

#include "uninstall_run.h"
#include "uninstall_sheet.h"

int g_nExitCode = product::kExitRefused;

CUninstallApp theApp;

BEGIN_MESSAGE_MAP(CUninstallApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CUninstallApp::InitInstance() {
    const product::WizardOptions options =
        product::ParseWizardOptions(product::ArgumentsOf(::GetCommandLineA()), false);
    if (!options.error.empty() || options.usage) {
        if (!options.error.empty() && options.silent) return FALSE;
        std::string text = options.error.empty() ? "" : options.error + "\n\n";
        text += product::UsageText("Uninstall", false);
        ::MessageBoxA(nullptr, text.c_str(), "Whirlmark Setup",
                      MB_OK | (options.error.empty() ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
        if (options.error.empty()) g_nExitCode = product::kExitDone;
        return FALSE;
    }
    if (!m_log.Open(options.logFile)) {
        if (!options.silent)
            ::MessageBoxA(nullptr, ("Cannot write the log file " + options.logFile).c_str(), "Whirlmark Setup",
                          MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (options.silent) {
        g_nExitCode = uninstall::RunUnattendedUninstall(m_log);
        return FALSE;
    }
    SetRegistryKey("Brindlecroft");
    CSetupSheet* sheet = new CSetupSheet("Whirlmark Setup", nullptr, 0);
    sheet->SetWizardMode();
    sheet->Create(nullptr, static_cast<DWORD>(-1), 0);
    m_pMainWnd = sheet;
    return TRUE;
}

int CUninstallApp::ExitInstance() {
    delete m_pMainWnd;
    m_pMainWnd = nullptr;
    CWinApp::ExitInstance();
    return g_nExitCode;
}

product::LogFile& UninstallLog() { return theApp.m_log; }
