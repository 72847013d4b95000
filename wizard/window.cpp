// CWnd and the control wrappers: see window.h.
#include "window.h"

#include <commctrl.h>

#include <vector>

#include "app.h"
#include "gdi.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    return hwnd;
}

CWnd CWnd::GetDlgItem(int id) const { return CWnd(m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr); }

CWnd CWnd::GetParent() const { return CWnd(m_hWnd ? ::GetParent(m_hWnd) : nullptr); }

void CWnd::SetWindowText(const char* text) {
    if (m_hWnd) ::SetWindowTextA(m_hWnd, text ? text : "");
}

CString CWnd::GetWindowText() const {
    if (!m_hWnd) return CString();
    int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0) return CString();
    std::vector<char> buf(static_cast<size_t>(length) + 1);
    int got = ::GetWindowTextA(m_hWnd, buf.data(), static_cast<int>(buf.size()));
    return CString(buf.data(), got);
}

BOOL CWnd::ShowWindow(int command) { return m_hWnd ? ::ShowWindow(m_hWnd, command) : FALSE; }

BOOL CWnd::EnableWindow(BOOL enable) { return m_hWnd ? ::EnableWindow(m_hWnd, enable) : FALSE; }

BOOL CWnd::IsWindowEnabled() const { return m_hWnd ? ::IsWindowEnabled(m_hWnd) : FALSE; }

BOOL CWnd::IsWindowVisible() const { return m_hWnd ? ::IsWindowVisible(m_hWnd) : FALSE; }

void CWnd::SetFont(CFont* font, BOOL redraw) {
    if (m_hWnd && font)
        ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()),
                       MAKELPARAM(redraw, 0));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_hWnd ? ::SendMessageA(m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_hWnd ? ::PostMessageA(m_hWnd, message, wParam, lParam) : FALSE;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    if (!caption) caption = AfxGetAppName();
    return ::MessageBoxA(m_hWnd, text, caption, type);
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

int CButton::GetCheck() const {
    return m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)) : 0;
}

void CButton::SetCheck(int check) {
    if (m_hWnd) ::SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

void CListBox::ResetContent() {
    if (m_hWnd) ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::AddString(const char* text) {
    if (!m_hWnd) return LB_ERR;
    return static_cast<int>(::SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::GetCount() const {
    return m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)) : 0;
}

int CListBox::GetCurSel() const {
    return m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)) : LB_ERR;
}

CString CListBox::GetText(int index) const {
    if (!m_hWnd) return CString();
    LRESULT length = ::SendMessageA(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0) return CString();
    std::vector<char> buf(static_cast<size_t>(length) + 1);
    LRESULT got = ::SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(buf.data()));
    if (got == LB_ERR) return CString();
    return CString(buf.data(), static_cast<int>(got));
}

int CProgressCtrl::SetPos(int position) {
    return m_hWnd ? static_cast<int>(::SendMessageA(m_hWnd, PBM_SETPOS, static_cast<WPARAM>(position), 0))
                  : 0;
}

void CProgressCtrl::SetRange(short lower, short upper) {
    if (m_hWnd) ::SendMessageA(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
}
