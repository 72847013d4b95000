// CWnd, a non-owning wrapper of a window handle, and the control wrappers the wizard
// pages bind to their dialog items.
#pragma once

#include <windows.h>

#include "ansi_string.h"
#include "message_map.h"

class CFont;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    CWnd(const CWnd& other) : CCmdTarget(), m_hWnd(other.m_hWnd) {}
    CWnd& operator=(const CWnd& other) {
        m_hWnd = other.m_hWnd;
        return *this;
    }

    HWND GetSafeHwnd() const { return m_hWnd; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach();

    // The child window with `id`; its handle is null when there is none.
    CWnd GetDlgItem(int id) const;
    CWnd GetParent() const;

    void SetWindowText(const char* text);
    CString GetWindowText() const;
    BOOL ShowWindow(int command);
    BOOL EnableWindow(BOOL enable);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A message box owned by this window; a null caption gives the application's name.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);
    BOOL DestroyWindow();

    // Called by the application's message loop before a message is dispatched; true
    // when this window consumed it.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Called by the application's message loop after each message it dispatched.
    virtual void PostDispatch() {}

    HWND m_hWnd = nullptr;
};

class CStatic : public CWnd {};

class CEdit : public CWnd {};

class CButton : public CWnd {
public:
    // BST_CHECKED (1) or BST_UNCHECKED (0).
    int GetCheck() const;
    void SetCheck(int check);
};

class CListBox : public CWnd {
public:
    void ResetContent();
    // Index of the new entry, LB_ERR or LB_ERRSPACE.
    int AddString(const char* text);
    int GetCount() const;
    // Selected index, or LB_ERR when nothing is selected.
    int GetCurSel() const;
    // Text of entry `index`; empty when there is no such entry.
    CString GetText(int index) const;
};

class CProgressCtrl : public CWnd {
public:
    int SetPos(int position);
    void SetRange(short lower, short upper);
};
