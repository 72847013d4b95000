// CWizardPage: see wizard_page.h.
#include "wizard_page.h"

IMPLEMENT_DYNAMIC(CWizardPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CWizardPage, CPropertyPage)
    ON_MESSAGE_VOID(WM_PAINT, DrawSideBitmap)
END_MESSAGE_MAP()

BOOL CWizardPage::OnSetActive() {
    BOOL result = CPropertyPage::OnSetActive();
    CWizardSheet* sheet = GetWizardSheet();
    if (sheet) GetDlgItem(IDC_TITLE).SetFont(sheet->GetTitleFont(), TRUE);
    return result;
}

void CWizardPage::DrawSideBitmap() {
    CPaintDC dc(this);
    CWizardSheet* sheet = GetWizardSheet();
    if (!sheet || !dc.m_hDC) return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc)) return;
    CBitmap picture;
    if (!picture.LoadMappedBitmap(sheet->GetSideBitmapId())) return;
    HGDIOBJ previous = memory.SelectObject(&picture);
    // The 200 x 340 picture is drawn for 96 DPI and grows with the page at other DPIs.
    const int dpi = dc.GetDpi();
    if (dpi == 96)
        dc.BitBlt(0, 0, 200, 340, &memory, 0, 0, SRCCOPY);
    else
        dc.StretchBlt(0, 0, MulDiv(200, dpi, 96), MulDiv(340, dpi, 96), &memory, 0, 0, 200, 340,
                      SRCCOPY);
    memory.SelectObject(previous);
}
