// CUninstallApp: see uninstall_app.h.
#include "uninstall_app.h"

#include "uninstall_sheet.h"

CUninstallApp theApp;

BEGIN_MESSAGE_MAP(CUninstallApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CUninstallApp::InitInstance() {
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
    return CWinApp::ExitInstance();
}
