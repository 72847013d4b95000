// The hyperlink control's window, font, painting, hover tracking and click actions.
#include "hyperlink.h"

#include <mapi.h>

namespace {

const char kClassName[] = "HyperLinkWnd";

// Registers "HyperLinkWnd" once per process; the background brush is made only then.
void RegisterLinkClass(Module& cursorModule) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, kClassName, &existing)) return;

    HCURSOR cursor = nullptr;
    if (GetWindowsVersionClass() == 2) {
        cursorModule = Module::FromWindowsDirectory("winhlp32.exe", LOAD_LIBRARY_AS_DATAFILE);
        if (cursorModule) cursor = LoadCursorA(cursorModule.get(), MAKEINTRESOURCEA(106));
    } else {
        cursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    }

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = HyperLinkWndProc;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    wc.lpszClassName = kClassName;
    if (!RegisterClassExA(&wc)) DeleteObject(wc.hbrBackground);
}

}  // namespace

int GetWindowsVersionClass() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return 0;
    return WindowsVersionClass(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

HyperLink::HyperLink(HWND parent, const HyperLinkStyle& style) {
    if (!parent || !style.address || !*style.address) return;
    look_ = ResolveLinkLook(style);
    parent_ = parent;

    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const LinkFont& f = look_.font;
    font_ = CreateFontA(LinkFontHeight(f.pointSize, dpi), 0, 0, 0, f.weight, f.italic,
                        f.underline, f.strikeOut, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS,
                        f.face.c_str());

    SIZE extent{};
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDC(desktop);
    HGDIOBJ old = SelectObject(dc, font_);
    GetTextExtentPoint32A(dc, look_.caption.c_str(), static_cast<int>(look_.caption.size()),
                          &extent);
    SelectObject(dc, old);
    ReleaseDC(desktop, dc);

    RegisterLinkClass(cursorModule_);
    window_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_TABSTOP, style.x, style.y, extent.cx,
                              extent.cy, parent, nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) {
        MessageBoxA(parent, "Error Creating HyperLink Window", "", MB_OK);
        return;
    }
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

HyperLink::~HyperLink() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (font_) DeleteObject(font_);
}

HyperLink* CreateHyperLink(HWND parent, const HyperLinkStyle& style) {
    return new HyperLink(parent, style);
}

void HyperLink::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, LinkTextColour(look_, hovering_, visited_));
    HGDIOBJ old = SelectObject(dc, font_);
    DrawTextA(dc, look_.caption.c_str(), static_cast<int>(look_.caption.size()), &client,
              DT_CENTER | DT_VCENTER);
    if (GetFocus() == window_) DrawFocusRect(dc, &client);
    SelectObject(dc, old);
    EndPaint(window_, &ps);
}

void HyperLink::OnMouseMove() {
    if (hovering_) return;
    hovering_ = 1;
    SetTimer(window_, HOVER_TIMER_ID, 100, nullptr);
    SendMessageA(window_, WM_MOUSEHOVER, 0, 0);
}

void HyperLink::OnTimer() {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(window_, &p);
    RECT client;
    GetClientRect(window_, &client);
    if (PtInRect(&client, p)) return;
    hovering_ = 0;
    KillTimer(window_, HOVER_TIMER_ID);
    SendMessageA(window_, WM_MOUSELEAVE, 0, 0);
}

void HyperLink::OnClick() {
    visited_ = 1;
    if (IsMailAddress(look_.address.c_str())) {
        SendMailTo();
        return;
    }
    // shell32 and ole32 are loaded on the first click, not at every start of the saver, and
    // stay loaded to the end (never freed, not even at exit): the shell may keep threads of
    // its own running after ShellExecuteA returns.
    using CoInitializeProc = HRESULT(WINAPI*)(LPVOID);
    using CoUninitializeProc = void(WINAPI*)();
    using ShellExecuteProc = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    static const Module& ole = *new Module(Module::FromSystemDirectory("ole32.dll"));
    static const Module& shell = *new Module(Module::FromSystemDirectory("shell32.dll"));
    const auto coInitialize = ole.Find<CoInitializeProc>("CoInitialize");
    const auto coUninitialize = ole.Find<CoUninitializeProc>("CoUninitialize");
    const auto shellExecute = shell.Find<ShellExecuteProc>("ShellExecuteA");
    INT_PTR result = 0;
    if (shellExecute) {
        // The shell may hand the address to COM components; they need COM on this thread.
        const HRESULT com = coInitialize && coUninitialize ? coInitialize(nullptr) : E_FAIL;
        result = reinterpret_cast<INT_PTR>(
            shellExecute(nullptr, "open", look_.address.c_str(), nullptr, nullptr, SW_SHOW));
        if (SUCCEEDED(com)) coUninitialize();
    }
    // Values up to and including 32 are errors (32 is "DLL not found").
    if (result <= 32) MessageBoxA(parent_, "Error Opening the Browser", "Error", MB_ICONERROR);
    InvalidateRect(window_, nullptr, TRUE);
}

bool HyperLink::SendMailTo() {
    ULONG result = MAPI_E_FAILURE;
    const Module mapi = Module::FromSystemDirectory("MAPI32.DLL");
    if (auto send = mapi.Find<LPMAPISENDMAIL>("MAPISendMail")) {
        MapiRecipDesc recipient{};
        recipient.ulRecipClass = MAPI_TO;
        recipient.lpszName = const_cast<LPSTR>(look_.caption.c_str());
        recipient.lpszAddress = const_cast<LPSTR>(look_.address.c_str());
        MapiMessage message{};
        message.nRecipCount = 1;
        message.lpRecips = &recipient;
        result = send(0, reinterpret_cast<ULONG_PTR>(parent_), &message,
                      MAPI_LOGON_UI | MAPI_DIALOG, 0);
    }
    if (result != SUCCESS_SUCCESS) {
        MessageBoxA(parent_, "MAPI Failed", "Error", MB_OK);
        return false;
    }
    return true;
}

LRESULT CALLBACK HyperLinkWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* link = static_cast<HyperLink*>(create->lpCreateParams);
        link->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
        return 0;
    }
    auto* link = reinterpret_cast<HyperLink*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!link) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        link->Paint();
        return 0;
    case WM_MOUSEMOVE:
        link->OnMouseMove();
        return 0;
    case WM_TIMER:
        link->OnTimer();
        return 0;
    case WM_MOUSEHOVER:
    case WM_MOUSELEAVE:
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_LBUTTONUP:
        link->OnClick();
        return 0;
    // Reached with Tab like a button: Space or Enter follows the link.
    case WM_GETDLGCODE:
        return lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN ? DLGC_WANTMESSAGE
                                                                                   : 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN) link->OnClick();
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_NCDESTROY:
        // The window goes with its parent; the object outlives it.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        link->window_ = nullptr;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
