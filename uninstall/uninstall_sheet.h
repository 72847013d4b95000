// CSetupSheet of Uninstall: a two-page wizard, the start-copy page and the completion
// page, holding the install location that Setup recorded in the registry.
#pragma once

#include "framework.h"
#include "install_location.h"
#include "start_copy_page.h"

class CSetupSheet : public CWizardSheet {
    DECLARE_DYNAMIC(CSetupSheet)
public:
    // Builds the pages and reads the install location; a read failure is shown before
    // the wizard opens.
    CSetupSheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

    // The Windows system directory, ending with "\".
    CString GetSystemDir() const { return m_strSystemDir; }
    // The install folder: the one holding the record beside this program, else
    // "DataRoot" as recorded (ending with "\"); empty when neither could be read.
    CString GetInstallDir() const { return m_strInstallDir; }
    // The program folder the record or "ProgramFolder" names; empty when unknown.
    CString GetProgramFolder() const { return m_strProgramFolder; }
    // Everything known about the install to remove.
    const uninstall::InstallLocation& GetLocation() const { return m_location; }

    CStartCopyPage m_pageStartCopy;
    CCompletePage m_pageComplete;

protected:
    // Finds the install; shows "error reading from registry" twice (once for each
    // value) when there is no record beside this program and no product key.
    void ReadInstallLocation();

    CString m_strSystemDir;
    CString m_strInstallDir;
    CString m_strProgramFolder;
    uninstall::InstallLocation m_location;
};

// The Uninstall sheet that `page` belongs to.
inline CSetupSheet* GetUninstallSheet(const CPropertyPage* page) {
    return static_cast<CSetupSheet*>(page->GetSheet());
}
