// GDI owners: see gdi.h.
#include "gdi.h"

#include <commctrl.h>

#include "app.h"
#include "common_controls.h"
#include "window.h"

void CGdiObject::Attach(HGDIOBJ object) {
    DeleteObject();
    m_hObject = object;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                       BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, const char* faceName) {
    Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline,
                         strikeOut, charSet, outPrecision, clipPrecision, quality,
                         pitchAndFamily, faceName));
    return m_hObject != nullptr;
}

BOOL CBitmap::LoadMappedBitmap(UINT id, UINT flags, LPCOLORMAP colorMap, int mapSize) {
    const CommonControls* comctl = GetCommonControls();
    if (!comctl) return FALSE;
    Attach(comctl->CreateMappedBitmap(AfxGetResourceHandle(), static_cast<INT_PTR>(id), flags,
                                      colorMap, mapSize));
    return m_hObject != nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    return m_hDC != nullptr;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    return ok;
}

HGDIOBJ CDC::SelectObject(CGdiObject* object) {
    return object ? SelectObject(object->GetSafeHandle()) : nullptr;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    return m_hDC && object ? ::SelectObject(m_hDC, object) : nullptr;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource,
                 DWORD rop) {
    if (!m_hDC) return FALSE;
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, xSource,
                    ySource, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSource,
                     int ySource, int sourceWidth, int sourceHeight, DWORD rop) {
    if (!m_hDC) return FALSE;
    // The 9x family has no halftone stretching.
    if (::SetStretchBltMode(m_hDC, HALFTONE)) ::SetBrushOrgEx(m_hDC, 0, 0, nullptr);
    else ::SetStretchBltMode(m_hDC, COLORONCOLOR);
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, xSource,
                        ySource, sourceWidth, sourceHeight, rop);
}

int CDC::GetDpi() const {
    int dpi = m_hDC ? ::GetDeviceCaps(m_hDC, LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
    if (m_hWnd) m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    if (m_hWnd) ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}
