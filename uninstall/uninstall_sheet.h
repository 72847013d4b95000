// CSetupSheet of Uninstall: a two-page wizard, the start-copy page and the completion
// page, holding the install location that Setup recorded in the registry.
#pragma once

#include "framework.h"
#include "start_copy_page.h"

class CSetupSheet : public CWizardSheet {
    DECLARE_DYNAMIC(CSetupSheet)
public:
    // Builds the pages and reads the install location; a read failure is shown before
    // the wizard opens.
    CSetupSheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

    // The Windows system directory, ending with "\".
    CString GetSystemDir() const { return m_strSystemDir; }
    // "DataRoot" as recorded (ending with "\"); empty when it could not be read.
    CString GetInstallDir() const { return m_strInstallDir; }
    // "ProgramFolder" as recorded (ending with "\"); empty when it could not be read.
    CString GetProgramFolder() const { return m_strProgramFolder; }

    CStartCopyPage m_pageStartCopy;
    CCompletePage m_pageComplete;

protected:
    void ReadInstallLocation();
    // One value of the product's Settings key; empty, after a message, when the key
    // cannot be opened, and empty when the value is missing or not a path.
    CString ReadLocationValue(const char* name);

    CString m_strSystemDir;
    CString m_strInstallDir;
    CString m_strProgramFolder;
};

// The Uninstall sheet that `page` belongs to.
inline CSetupSheet* GetUninstallSheet(const CPropertyPage* page) {
    return static_cast<CSetupSheet*>(page->GetSheet());
}
