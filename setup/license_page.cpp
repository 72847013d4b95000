// CLicensePage: see license_page.h.
#include "license_page.h"

#include "ansi_code_page.h"
#include "page_rules.h"
#include "resource.h"
#include "setup_sheet.h"

IMPLEMENT_DYNCREATE(CLicensePage, CWizardPage)

CLicensePage::CLicensePage() : CWizardPage(IDD_LICENSE) {}

void CLicensePage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
    DDX_Control(dx, IDC_LICENSE_TEXT, m_editLicense);
}

BOOL CLicensePage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    CSetupSheet* sheet = GetSetupSheet(this);
    sheet->EnableBack(TRUE);
    sheet->SetNextText("&Yes");
    sheet->SetCancelText("&No");
    LoadLicenseText();
    return result;
}

LRESULT CLicensePage::OnWizardBack() { return CWizardPage::OnWizardBack(); }

LRESULT CLicensePage::OnWizardNext() { return CWizardPage::OnWizardNext(); }

void CLicensePage::LoadLicenseText() {
    // Beside Setup.exe, wherever the program was started from.
    CString path = WithTrailingBackslash(AfxGetModuleFolder(), product::IsAnsiLeadByte) + "license.txt";
    CFile file;
    if (file.Open(path, CFile::modeRead, nullptr)) {
        char bytes[LICENSE_MAX_BYTES];
        UINT got = file.Read(bytes, sizeof bytes);
        m_editLicense.SetWindowText(LicenseTextFromBytes(bytes, static_cast<int>(got)));
        file.Close();
    } else {
        AfxMessageBox("Could not find license file", MB_OK);
        m_editLicense.SetWindowText("");
    }
}
