// CSetupApp: see setup_app.h.
#include "setup_app.h"

#include "setup_sheet.h"

int g_nPlatform = 0;

CSetupApp theApp;

BEGIN_MESSAGE_MAP(CSetupApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CSetupApp::InitInstance() {
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    int family = PlatformFamily(version.dwPlatformId);
    if (family == 0) {
        ::MessageBoxA(nullptr, "Sorry, this program is not designed to run on this operating system",
                      "Platform error", MB_OK);
        return FALSE;
    }
    g_nPlatform = family;

    SetRegistryKey("Brindlecroft");
    CSetupSheet* sheet = new CSetupSheet("Whirlmark Setup", nullptr, 0);
    sheet->SetWizardMode();
    sheet->Create(nullptr, static_cast<DWORD>(-1), 0);
    m_pMainWnd = sheet;
    return TRUE;
}

int CSetupApp::ExitInstance() {
    delete m_pMainWnd;
    m_pMainWnd = nullptr;
    return CWinApp::ExitInstance();
}
