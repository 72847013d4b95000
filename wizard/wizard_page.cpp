// CWizardPage: see wizard_page.h.
#include "wizard_page.h"

IMPLEMENT_DYNAMIC(CWizardPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CWizardPage, CPropertyPage)
    ON_MESSAGE_VOID(WM_PAINT, DrawSideBitmap)
END_MESSAGE_MAP()

namespace {

// Gives the title line the height its text needs in `font`, where the font, which grows
// with the DPI in whole pixels, wraps a title that fits on one line at 96 DPI.
void FitTitleHeight(HWND title, HFONT font) {
    RECT r;
    if (!title || !font || !::GetWindowRect(title, &r)) return;
    char text[256] = "";
    ::GetWindowTextA(title, text, sizeof text);
    HDC dc = ::GetDC(title);
    if (!dc) return;
    HGDIOBJ previous = ::SelectObject(dc, font);
    RECT need{0, 0, r.right - r.left, 0};
    ::DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc, previous);
    ::ReleaseDC(title, dc);
    if (need.bottom > r.bottom - r.top)
        ::SetWindowPos(title, nullptr, 0, 0, r.right - r.left, need.bottom,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

BOOL CWizardPage::OnSetActive() {
    BOOL result = CPropertyPage::OnSetActive();
    CWizardSheet* sheet = GetWizardSheet();
    if (sheet) {
        CWnd title = GetDlgItem(IDC_TITLE);
        title.SetFont(sheet->GetTitleFont(), TRUE);
        FitTitleHeight(title.m_hWnd, static_cast<HFONT>(sheet->GetTitleFont()->GetSafeHandle()));
    }
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
