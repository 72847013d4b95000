// CWizardSheet: see wizard_sheet.h.
#include "wizard_sheet.h"

IMPLEMENT_DYNAMIC(CWizardSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CWizardSheet, CPropertySheet)
    ON_COMMAND(IDOK, CWizardSheet::OnOK)
    ON_COMMAND(IDCANCEL, CWizardSheet::OnCancel)
END_MESSAGE_MAP()

CWizardSheet::CWizardSheet(const char* caption, CWnd* parent, UINT selectPage, UINT sideBitmapId)
    : CPropertySheet(caption, parent, selectPage), m_nSideBitmapId(sideBitmapId) {
    // 13 pixels at 96 DPI, and as much larger as the body text at other DPIs.
    HDC screen = ::GetDC(nullptr);
    int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ::ReleaseDC(nullptr, screen);
    if (dpi <= 0) dpi = 96;
    m_fontTitle.CreateFont(-MulDiv(13, dpi, 96), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, "MS Shell Dlg");
}

void CWizardSheet::EnableBack(BOOL enable) {
    CWnd button = GetDlgItem(ID_WIZBACK);
    if (button.m_hWnd) button.EnableWindow(enable);
}

void CWizardSheet::EnableNext(BOOL enable) {
    CWnd button = GetDlgItem(ID_WIZNEXT);
    if (button.m_hWnd) button.EnableWindow(enable);
}

void CWizardSheet::SetNextText(const CString& text) {
    CWnd button = GetDlgItem(ID_WIZNEXT);
    if (button.m_hWnd) button.SetWindowText(text);
}

void CWizardSheet::SetCancelText(const CString& text) {
    CWnd button = GetDlgItem(IDCANCEL);
    if (button.m_hWnd) button.SetWindowText(text);
}

BOOL CWizardSheet::OnInitDialog() {
    BOOL result = CPropertySheet::OnInitDialog();
    CWnd help = GetDlgItem(IDHELP);
    if (help.m_hWnd) {
        help.EnableWindow(FALSE);
        help.ShowWindow(SW_HIDE);
    }
    return result;
}

void CWizardSheet::OnOK() { EndDialog(IDOK); }

void CWizardSheet::OnCancel() { EndDialog(IDCANCEL); }
