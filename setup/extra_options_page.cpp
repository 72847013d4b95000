// CExtraOptionsPage: see extra_options_page.h.
#include "extra_options_page.h"

#include "resource.h"
#include "setup_sheet.h"

IMPLEMENT_DYNCREATE(CExtraOptionsPage, CWizardPage)

CExtraOptionsPage::CExtraOptionsPage() : CWizardPage(IDD_EXTRA_OPTIONS) {}

void CExtraOptionsPage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
    DDX_Control(dx, IDC_DEFAULT_SAVER, m_checkDefaultSaver);
}

BOOL CExtraOptionsPage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    m_checkDefaultSaver.SetCheck(GetSetupSheet(this)->GetDefaultSaver());
    return result;
}

BOOL CExtraOptionsPage::OnKillActive() {
    BOOL result = CWizardPage::OnKillActive();
    GetSetupSheet(this)->SetDefaultSaver(m_checkDefaultSaver.GetCheck());
    return result;
}

LRESULT CExtraOptionsPage::OnWizardBack() { return CWizardPage::OnWizardBack(); }

LRESULT CExtraOptionsPage::OnWizardNext() { return CWizardPage::OnWizardNext(); }
