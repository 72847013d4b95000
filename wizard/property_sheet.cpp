// CPropertySheet and CPropertyPage: see property_sheet.h.
//
// The sheet window belongs to comctl32. The sheet object subclasses it once it exists
// (PSCB_INITIALIZED) so that its message map sees the sheet's commands first, and sets
// the requested window style on the sheet's dialog template before it is created
// (PSCB_PRECREATE). Each page's dialog procedure stores the page object at
// WM_INITDIALOG and turns the PSN_* notifications into the page's virtual functions,
// writing their results to DWLP_MSGRESULT in one place.
#include "property_sheet.h"

#include <cstring>

#include "app.h"
#include "common_controls.h"

namespace {
const char kSheetProp[] = "WizardSheetObject";
// The sheet whose window PropertySheetA is creating (one thread, one at a time).
CPropertySheet* g_creatingSheet = nullptr;
}  // namespace

IMPLEMENT_DYNAMIC(CPropertyPage, CWnd)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (!control.m_hWnd && dx && dx->m_pDlgWnd && dx->m_pDlgWnd->m_hWnd)
        control.m_hWnd = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
}

// ---- CPropertyPage ----

CPropertyPage::CPropertyPage(UINT templateId) : m_nTemplateId(templateId) {}

BOOL CPropertyPage::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CPropertyPage::DoDataExchange(CDataExchange*) {}

BOOL CPropertyPage::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

LRESULT CPropertyPage::OnWizardBack() { return 0; }

LRESULT CPropertyPage::OnWizardNext() { return 0; }

BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

bool CPropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_NOTIFY: {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (!hdr) return false;
        switch (hdr->code) {
        case PSN_SETACTIVE:
            *result = OnSetActive() ? 0 : -1;
            return true;
        case PSN_KILLACTIVE:
            *result = OnKillActive() ? FALSE : TRUE;
            return true;
        case PSN_WIZBACK:
            *result = OnWizardBack();
            return true;
        case PSN_WIZNEXT:
            *result = OnWizardNext();
            return true;
        case PSN_WIZFINISH:
            *result = OnWizardFinish() ? FALSE : TRUE;
            return true;
        default:
            return false;
        }
    }
    case WM_COMMAND:
        return OnCmdMsg(WM_COMMAND, HIWORD(wParam), LOWORD(wParam));
    case WM_NCDESTROY:
        m_hWnd = nullptr;
        return false;
    default:
        return OnCmdMsg(message, 0, 0);
    }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            const PROPSHEETPAGEA* psp = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
            CPropertyPage* page = psp ? reinterpret_cast<CPropertyPage*>(psp->lParam) : nullptr;
            if (!page) return FALSE;
            ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
            page->m_hWnd = hwnd;
            // The first page is created while the sheet window is still being built.
            if (page->m_pSheet && !page->m_pSheet->m_hWnd) page->m_pSheet->m_hWnd = ::GetParent(hwnd);
            return page->OnInitDialog();
        }
        CPropertyPage* page = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
        if (!page) return FALSE;
        LRESULT result = 0;
        if (!page->HandleMessage(message, wParam, lParam, &result)) return FALSE;
        if (message == WM_NOTIFY) ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

// ---- CPropertySheet ----

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : m_strCaption(caption), m_hWndParent(parent ? parent->m_hWnd : nullptr) {
    std::memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
    m_psh.nStartPage = selectPage;
}

CPropertySheet::~CPropertySheet() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page) return;
    page->m_pSheet = this;
    m_pages.push_back(page);
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == page) return static_cast<int>(i);
    return -1;
}

void CPropertySheet::SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle) {
    if (m_hWnd || m_pages.empty()) return FALSE;
    if (style == static_cast<DWORD>(-1)) {
        style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP |
                DS_SETFONT;
        if (!(m_psh.dwFlags & PSH_WIZARD)) style |= WS_SYSMENU;
    }
    m_dwStyle = style;
    m_dwExStyle = exStyle;
    if (parent) m_hWndParent = parent->m_hWnd;

    std::vector<PROPSHEETPAGEA> pages(m_pages.size());
    for (size_t i = 0; i < m_pages.size(); ++i) {
        PROPSHEETPAGEA& p = pages[i];
        std::memset(&p, 0, sizeof p);
        p.dwSize = sizeof p;
        p.dwFlags = PSP_DEFAULT;
        p.hInstance = AfxGetResourceHandle();
        p.pszTemplate = MAKEINTRESOURCEA(m_pages[i]->m_nTemplateId);
        p.pfnDlgProc = &CPropertyPage::PageProc;
        p.lParam = reinterpret_cast<LPARAM>(m_pages[i]);
    }
    m_psh.dwFlags |= PSH_MODELESS | PSH_USECALLBACK | PSH_PROPSHEETPAGE;
    m_psh.hwndParent = m_hWndParent;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = static_cast<UINT>(pages.size());
    m_psh.ppsp = pages.data();
    m_psh.pfnCallback = &CPropertySheet::SheetCallback;

    const CommonControls* comctl = GetCommonControls();
    g_creatingSheet = this;
    HWND hwnd = comctl ? reinterpret_cast<HWND>(comctl->PropertySheetA(&m_psh)) : nullptr;
    g_creatingSheet = nullptr;
    m_psh.ppsp = nullptr;
    if (!hwnd) {
        m_hWnd = nullptr;
        return FALSE;
    }
    if (!m_pfnSuper) AttachSheetWindow(hwnd);
    return TRUE;
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM lParam) {
    CPropertySheet* self = g_creatingSheet;
    if (!self) return 0;
    try {
        if (message == PSCB_PRECREATE && lParam) {
            // The dialog template of the sheet: DLGTEMPLATEEX (signature 0xFFFF) keeps
            // its extended style at offset 8 and its style at 12, DLGTEMPLATE at 4 and 0.
            BYTE* tmpl = reinterpret_cast<BYTE*>(lParam);
            WORD signature;
            std::memcpy(&signature, tmpl + 2, sizeof signature);
            size_t styleAt = signature == 0xFFFF ? 12 : 0;
            size_t exStyleAt = signature == 0xFFFF ? 8 : 4;
            DWORD style, exStyle;
            std::memcpy(&style, tmpl + styleAt, sizeof style);
            std::memcpy(&exStyle, tmpl + exStyleAt, sizeof exStyle);
            // The font bits describe the template's layout and stay as they are.
            const DWORD fontBits = DS_SETFONT | DS_FIXEDSYS;
            style = (self->m_dwStyle & ~fontBits) | (style & fontBits);
            exStyle |= self->m_dwExStyle;
            std::memcpy(tmpl + styleAt, &style, sizeof style);
            std::memcpy(tmpl + exStyleAt, &exStyle, sizeof exStyle);
        } else if (message == PSCB_INITIALIZED && hwnd) {
            self->AttachSheetWindow(hwnd);
        }
    } catch (...) {
    }
    return 0;
}

void CPropertySheet::AttachSheetWindow(HWND hwnd) {
    m_hWnd = hwnd;
    ::SetPropA(hwnd, kSheetProp, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CPropertySheet::SheetProc)));
    OnInitDialog();
}

LRESULT CALLBACK CPropertySheet::SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CPropertySheet* self = static_cast<CPropertySheet*>(::GetPropA(hwnd, kSheetProp));
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    WNDPROC super = self->m_pfnSuper;
    try {
        if (message == WM_COMMAND) {
            UINT id = LOWORD(wParam), code = HIWORD(wParam);
            if (self->OnCmdMsg(WM_COMMAND, code, id)) return 0;
            CWinApp* app = AfxGetApp();
            if (app && app->OnCmdMsg(WM_COMMAND, code, id)) return 0;
        } else if (message == WM_NCDESTROY) {
            ::RemovePropA(hwnd, kSheetProp);
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
            LRESULT result = ::CallWindowProcA(super, hwnd, message, wParam, lParam);
            self->OnSheetDestroyed();
            return result;
        }
    } catch (...) {
        return 0;
    }
    return ::CallWindowProcA(super, hwnd, message, wParam, lParam);
}

void CPropertySheet::OnSheetDestroyed() {
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    CWinApp* app = AfxGetApp();
    // The main window's end ends the program's message loop. The application keeps its
    // pointer to this object, so that ExitInstance can delete it.
    if (app && app->m_pMainWnd == this) ::PostQuitMessage(0);
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

BOOL CPropertySheet::SetActivePage(int index) {
    if (!m_hWnd || index < 0 || index >= GetPageCount()) return FALSE;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

void CPropertySheet::EndDialog(int result) {
    m_nResult = result;
    if (!m_hWnd) return;
    m_bEnding = true;
    // Wakes the message loop, whose PostDispatch then destroys the window outside
    // comctl32's own handling of the button that ended the wizard.
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* msg) {
    return m_hWnd && ::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg));
}

void CPropertySheet::PostDispatch() {
    if (!m_hWnd) return;
    // A modeless sheet that comctl32 has ended has no current page any more.
    if (m_bEnding || !::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) ::DestroyWindow(m_hWnd);
}
