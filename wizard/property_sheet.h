// CPropertySheet and CPropertyPage over comctl32 property sheets, with the data
// exchange that binds dialog items to control members.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ansi_string.h"
#include "window.h"

class CPropertySheet;

// The binding pass of a page's DoDataExchange.
class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
        : m_pDlgWnd(dlgWnd), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds dialog item `id` of the page to `control`, once; later passes leave it bound.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CPropertyPage : public CWnd {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // A page built from dialog template `templateId` of the resource module.
    explicit CPropertyPage(UINT templateId);
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    // The sheet this page was added to.
    CPropertySheet* GetSheet() const { return m_pSheet; }
    UINT GetTemplateId() const { return m_nTemplateId; }

    // Runs DoDataExchange; `saveAndValidate` tells the direction.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Activation of the page: TRUE lets it be shown. Base: TRUE.
    virtual BOOL OnSetActive();
    // Leaving the page in either direction: TRUE lets it be left. Base: data exchange, TRUE.
    virtual BOOL OnKillActive();
    // Back and Next: 0 moves to the neighbouring page, -1 stays, a template id jumps there.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // Finish: TRUE lets the wizard finish.
    virtual BOOL OnWizardFinish();

protected:
    // Binds controls, the first time when the page window is created.
    virtual void DoDataExchange(CDataExchange* dx);
    // WM_INITDIALOG: data exchange into the controls. TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    UINT m_nTemplateId;
    CPropertySheet* m_pSheet = nullptr;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~CPropertySheet() override;
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    // Appends a page; pages are shown in the order they were added. The sheet does not
    // own its pages.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // Index of `page`, or -1.
    int GetPageIndex(const CPropertyPage* page) const;
    // Gives the sheet Back, Next, Finish and Cancel buttons (PSH_WIZARD).
    void SetWizardMode();
    // Creates the sheet window, modeless. Style (DWORD)-1 selects the default of a
    // modeless sheet: a visible popup with a caption and a dialog frame, and a system
    // menu only when the sheet is not a wizard.
    BOOL Create(CWnd* parent = nullptr, DWORD style = static_cast<DWORD>(-1), DWORD exStyle = 0);
    // Shows `page` (PSM_SETCURSEL).
    BOOL SetActivePage(CPropertyPage* page);
    BOOL SetActivePage(int index);
    // Ends the wizard with `result`: the modeless sheet window is destroyed as soon as
    // the current message has been handled.
    void EndDialog(int result);
    int GetResult() const { return m_nResult; }

    // Called once the sheet window and its buttons exist. Base: TRUE.
    virtual BOOL OnInitDialog();

    BOOL PreTranslateMessage(MSG* msg) override;
    void PostDispatch() override;

    PROPSHEETHEADERA m_psh;

private:
    friend class CPropertyPage;
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void AttachSheetWindow(HWND hwnd);
    void OnSheetDestroyed();

    std::vector<CPropertyPage*> m_pages;
    CString m_strCaption;
    HWND m_hWndParent = nullptr;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    WNDPROC m_pfnSuper = nullptr;
    bool m_bEnding = false;
    int m_nResult = 0;
};
