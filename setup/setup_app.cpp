// CSetupApp: see setup_app.h.
#include "setup_app.h"

#include "ansi_code_page.h"
#include "setup_sheet.h"
#include "unattended_setup.h"
#include "wizard_options.h"
#include "wizard_start.h"

int g_nPlatform = 0;
int g_nExitCode = product::kExitRefused;

CSetupApp theApp;

BEGIN_MESSAGE_MAP(CSetupApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CSetupApp::InitInstance() {
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    const product::WizardOptions options =
        product::ParseWizardOptions(product::ArgumentsOf(::GetCommandLineA()), true);
    int family = PlatformFamily(version.dwPlatformId);
    if (family == 0) {
        if (!options.silent)
            ::MessageBoxA(nullptr, "Sorry, this program is not designed to run on this operating system",
                          "Platform error", MB_OK);
        return FALSE;
    }
    g_nPlatform = family;
    if (!product::PrepareRun(options, "Setup", true, m_log, g_nExitCode)) return FALSE;
    if (options.silent) {
        g_nExitCode = RunUnattendedSetup(options, m_log);
        return FALSE;
    }

    SetRegistryKey("Brindlecroft");
    CSetupSheet* sheet = new CSetupSheet(product::kWizardCaption, nullptr, 0);
    if (!options.destination.empty())
        sheet->SetInstallDir(WithTrailingBackslash(options.destination.c_str(), product::IsAnsiLeadByte));
    sheet->SetWizardMode();
    sheet->Create(nullptr, static_cast<DWORD>(-1), 0);
    m_pMainWnd = sheet;
    return TRUE;
}

int CSetupApp::ExitInstance() {
    delete m_pMainWnd;
    m_pMainWnd = nullptr;
    CWinApp::ExitInstance();
    return g_nExitCode;
}

product::LogFile& SetupLog() { return theApp.m_log; }
