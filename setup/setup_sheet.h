// CSetupSheet: Setup's wizard. It owns the seven pages, in order, and the values the
// pages hand to each other; pages read them when they become active and store them
// when they are left.
#pragma once

#include "framework.h"
#include "destination_page.h"
#include "extra_options_page.h"
#include "license_page.h"
#include "programs_folder_page.h"
#include "start_copy_page.h"
#include "welcome_page.h"

class CSetupSheet : public CWizardSheet {
    DECLARE_DYNAMIC(CSetupSheet)
public:
    CSetupSheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

    CString GetDefaultFolderName() const { return m_strDefaultFolderName; }
    // The Windows system directory, ending with "\".
    CString GetSystemDir() const { return m_strSystemDir; }
    // The install folder; ends with "\" once the destination page has been left.
    CString GetInstallDir() const { return m_strInstallDir; }
    void SetInstallDir(CString folder) { m_strInstallDir = folder; }
    // The full path of the Start-menu program folder, ending with "\", once the
    // program-folder page has been left.
    CString GetProgramFolder() const { return m_strProgramFolder; }
    void SetProgramFolder(CString folder) { m_strProgramFolder = folder; }
    // 1 when the saver is to become the default screen saver, 0 when not.
    int GetDefaultSaver() const { return m_bDefaultSaver; }
    void SetDefaultSaver(int value) { m_bDefaultSaver = value; }

    CWelcomePage m_pageWelcome;
    CLicensePage m_pageLicense;
    CDestinationPage m_pageDestination;
    CProgramsFolderPage m_pageProgramFolder;
    CExtraOptionsPage m_pageExtraOptions;
    CStartCopyPage m_pageStartCopy;
    CCompletePage m_pageComplete;

protected:
    CString m_strDefaultFolderName;
    CString m_strSystemDir;
    CString m_strInstallDir;
    CString m_strProgramFolder;
    int m_bDefaultSaver;
};

// The Setup sheet that `page` belongs to.
inline CSetupSheet* GetSetupSheet(const CPropertyPage* page) {
    return static_cast<CSetupSheet*>(page->GetSheet());
}
