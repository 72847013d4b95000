// CDestinationPage: the install folder, typed or picked with the shell's folder
// browser, with a free-space check of the system drive and the destination drive.
#pragma once

#include <cstdint>

#include "framework.h"

class CDestinationPage : public CWizardPage {
    DECLARE_DYNCREATE(CDestinationPage)
public:
    CDestinationPage();
    // Common start; the sheet's folder in the edit, "&Next", "&Cancel", the disk check.
    BOOL OnSetActive() override;
    // Stores the edit's folder, with a trailing backslash, in the sheet.
    BOOL OnKillActive() override;
    // Enables Next again, so the previous page never inherits a disabled one.
    LRESULT OnWizardBack() override;
    // Keeps the user on the page, with a message, when the typed folder is not a full
    // path, its drives are short of space or an item in the way is someone else's.
    LRESULT OnWizardNext() override;

    // Shows the warning and disables Next when a drive is short of space; otherwise
    // hides the warning and enables Next.
    void CheckDiskSpace();
    // Shows the space warning naming `drive`.
    void ShowSpaceWarning(const CString& drive);
    // Free bytes available to the user on the drive of `root`; 0 when the query fails.
    static uint64_t GetDriveFreeSpace(const CString& root);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // BN_CLICKED of Browse: lets the user pick the folder with the shell's browser.
    void OnBrowse();
    static int CALLBACK BrowseCallbackProc(HWND hwnd, UINT message, LPARAM lParam, LPARAM data);

    CStatic m_staticWarning;
    CWnd m_editFolder;
    CButton m_buttonBrowse;
    CStatic m_staticTitle;

    DECLARE_MESSAGE_MAP()
};
