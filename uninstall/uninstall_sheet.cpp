// CSetupSheet of Uninstall: see uninstall_sheet.h.
#include "uninstall_sheet.h"

#include "install_layout.h"
#include "resource.h"
#include "system_folder.h"


IMPLEMENT_DYNAMIC(CSetupSheet, CWizardSheet)

CSetupSheet::CSetupSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CWizardSheet(caption, parent, selectPage, IDB_SIDEBAR) {
    AddPage(&m_pageStartCopy);
    AddPage(&m_pageComplete);

    m_strSystemDir = SaverSystemFolder();  // SysWOW64 under WOW64
    ReadInstallLocation();
}

void CSetupSheet::ReadInstallLocation() {
    m_location = uninstall::FindInstallLocation(AfxGetModuleFolder().c_str());
    if (m_location.keyMissing) {
        MessageBox("error reading from registry", nullptr, MB_OK);
        MessageBox("error reading from registry", nullptr, MB_OK);
    }
    m_strInstallDir = m_location.installDir.c_str();
    m_strProgramFolder = m_location.programFolder.c_str();
}
