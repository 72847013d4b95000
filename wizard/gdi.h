// Owners of GDI objects and device contexts: each releases what it holds when it goes
// out of use. Not copyable.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of `object`, releasing what was held before.
    void Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();

protected:
    HGDIOBJ m_hObject = nullptr;
};

class CFont : public CGdiObject {
public:
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight,
                    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                    BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, const char* faceName);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBitmap : public CGdiObject {
public:
    // Loads bitmap resource `id` of the resource module with comctl32's
    // CreateMappedBitmap; with no colour map its black, dark grey, light grey and white
    // become the system's button colours.
    BOOL LoadMappedBitmap(UINT id, UINT flags = 0, LPCOLORMAP colorMap = nullptr, int mapSize = 0);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

// A device context; one made by CreateCompatibleDC is deleted with the object.
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() { DeleteDC(); }

    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    // Selects `object`; returns the object it replaced, for selecting it back.
    HGDIOBJ SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource,
                DWORD rop);
    // Copies a source rectangle onto a destination rectangle of another size, smoothly
    // where the system can (halftone on the NT family).
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSource,
                    int ySource, int sourceWidth, int sourceHeight, DWORD rop);
    // Pixels per logical inch, vertically (96 at 100%, 144 at 150%).
    int GetDpi() const;

    HDC m_hDC = nullptr;
};

// The painting context of a WM_PAINT handler: BeginPaint on construction, EndPaint on
// destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
