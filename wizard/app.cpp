// CWinApp and the program-wide helpers: see app.h.
#include "app.h"

#include <vector>

#include "ansi_chars.h"
#include "ansi_code_page.h"
#include "common_controls.h"

namespace {
CWinApp* g_app = nullptr;
}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* appName) {
    if (appName) {
        m_strAppName = appName;
        m_pszAppName = m_strAppName;
    }
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    return m_pMainWnd && m_pMainWnd->PreTranslateMessage(msg);
}

int CWinApp::Run() {
    MSG msg;
    while (m_pMainWnd && m_pMainWnd->m_hWnd) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_nExitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (m_pMainWnd) m_pMainWnd->PostDispatch();
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return m_nExitCode; }

void CWinApp::SetRegistryKey(const char* company) {
    m_strRegistryKey = company ? company : "";
    m_pszRegistryKey = m_strRegistryKey;
}

void CWinApp::OnHelp() {}

int CWinApp::WinMainBody(HINSTANCE instance) {
    m_hInstance = instance;
    if (!m_pszAppName) {
        char path[MAX_PATH];
        DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        const std::string full(path, n < MAX_PATH ? n : 0);
        CString name = full.substr(product::LastSlash(full, product::IsAnsiLeadByte) + 1).c_str();
        int dot = name.ReverseFind('.');
        if (dot > 0) name = name.Left(dot);
        m_strAppName = name;
        m_pszAppName = m_strAppName;
    }
    if (!GetCommonControls()) {
        ::MessageBoxA(nullptr, "The common controls (comctl32.dll) cannot be loaded.",
                      m_pszAppName, MB_OK | MB_ICONSTOP);
        return 0;
    }
    if (!InitInstance()) return ExitInstance();
    return Run();
}

CWinApp* AfxGetApp() { return g_app; }

const char* AfxGetAppName() {
    return g_app && g_app->m_pszAppName ? g_app->m_pszAppName : "";
}

HINSTANCE AfxGetInstanceHandle() {
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

CString AfxGetModuleFolder() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return CString();
        if (n < path.size()) break;
        if (path.size() >= 32768) return CString();
        path.resize(path.size() * 2);
    }
    const std::string full(path.data());
    return full.substr(0, product::LastSlash(full, product::IsAnsiLeadByte) + 1).c_str();
}

int AfxMessageBox(const char* text, UINT type, UINT) {
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            type |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            type |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    HWND owner = nullptr;
    if (g_app && g_app->m_pMainWnd && g_app->m_pMainWnd->m_hWnd)
        owner = ::GetLastActivePopup(g_app->m_pMainWnd->m_hWnd);
    return ::MessageBoxA(owner, text, AfxGetAppName(), type);
}
