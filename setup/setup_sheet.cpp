// CSetupSheet: see setup_sheet.h.
#include "setup_sheet.h"

#include "resource.h"
#include "system_folder.h"

IMPLEMENT_DYNAMIC(CSetupSheet, CWizardSheet)

CSetupSheet::CSetupSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CWizardSheet(caption, parent, selectPage, IDB_SIDEBAR) {
    AddPage(&m_pageWelcome);
    AddPage(&m_pageLicense);
    AddPage(&m_pageDestination);
    AddPage(&m_pageProgramFolder);
    AddPage(&m_pageExtraOptions);
    AddPage(&m_pageStartCopy);
    AddPage(&m_pageComplete);

    m_strDefaultFolderName = "Whirlmark";
    m_strSystemDir = SaverSystemFolder();  // SysWOW64 under WOW64
    m_strInstallDir = "C:\\Program Files\\Whirlmark\\";
    m_strProgramFolder = "Whirlmark";
    m_bDefaultSaver = 1;
}
