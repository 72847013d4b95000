// The hyperlink control: a child window of class "HyperLinkWnd" that shows a caption in
// its own font, changes colour under the pointer and after a click, and on a click opens
// its address with the shell or starts a new mail through Simple MAPI.
#pragma once

#include <windows.h>

#include <string>

#include "hyperlink_rules.h"
#include "module.h"

constexpr UINT_PTR HOVER_TIMER_ID = 1000;

class HyperLink {
public:
    // Makes the link window at style.x, style.y in `parent`'s client area, sized to its
    // caption, and shows it. With no parent or no address the object has no window; when
    // the window cannot be made, says so in a message box owned by `parent`.
    HyperLink(HWND parent, const HyperLinkStyle& style);
    // Frees the cursor module and the font, and the window if it still exists.
    virtual ~HyperLink();
    HyperLink(const HyperLink&) = delete;
    HyperLink& operator=(const HyperLink&) = delete;

    HWND Window() const { return window_; }
    HFONT Font() const { return font_; }
    bool Visited() const { return visited_ != 0; }
    bool Hovering() const { return hovering_ != 0; }
    const LinkLook& Look() const { return look_; }

    // Starts a new mail to the link's address through "MAPI32.DLL" of the system folder.
    // Returns true when the mail client accepted it; otherwise shows "MAPI Failed".
    bool SendMailTo();

private:
    friend LRESULT CALLBACK HyperLinkWndProc(HWND, UINT, WPARAM, LPARAM);
    void Paint();
    void OnMouseMove();
    void OnTimer();
    void OnClick();

    HWND window_ = nullptr;
    Module cursorModule_;  // winhlp32.exe as data, where the system has no hand cursor
    HFONT font_ = nullptr;
    unsigned char visited_ = 0;
    unsigned char hovering_ = 0;
    HWND parent_ = nullptr;
    LinkLook look_;
};

// Makes a link (see the constructor). The caller owns the object.
HyperLink* CreateHyperLink(HWND parent, const HyperLinkStyle& style);

// Window procedure of "HyperLinkWnd".
LRESULT CALLBACK HyperLinkWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The running Windows' version class; see WindowsVersionClass in hyperlink_rules.h.
int GetWindowsVersionClass();
