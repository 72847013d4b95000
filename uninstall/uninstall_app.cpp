// CUninstallApp: see uninstall_app.h.
#include "uninstall_app.h"

#include "uninstall_run.h"
#include "uninstall_sheet.h"
#include "wizard_start.h"

int g_nExitCode = product::kExitRefused;

CUninstallApp theApp;

BEGIN_MESSAGE_MAP(CUninstallApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CUninstallApp::InitInstance() {
    const product::WizardOptions options =
        product::ParseWizardOptions(product::ArgumentsOf(::GetCommandLineA()), false);
    if (!product::PrepareRun(options, "Uninstall", false, m_log, g_nExitCode)) return FALSE;
    if (options.silent) {
        g_nExitCode = uninstall::RunUnattendedUninstall(m_log);
        return FALSE;
    }
    SetRegistryKey("Brindlecroft");
    CSetupSheet* sheet = new CSetupSheet(product::kWizardCaption, nullptr, 0);
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
