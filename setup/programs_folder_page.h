// CProgramsFolderPage: the name of the Start-menu program folder, typed or picked from
// the folders that already exist under the Programs folder.
#pragma once

#include <windows.h>

#include "framework.h"

class CProgramsFolderPage : public CWizardPage {
    DECLARE_DYNCREATE(CProgramsFolderPage)
public:
    CProgramsFolderPage();
    // Common start; the default name in the edit and the existing folders in the list.
    BOOL OnSetActive() override;
    // Stores the Programs folder + "\" + the typed name + "\" in the sheet.
    BOOL OnKillActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // LBN_DBLCLK of the list: the chosen entry goes into the edit.
    void OnDblclkFolderList();
    // Fills m_szProgramsDir: the all-users Programs folder on the NT family, the
    // current user's on the Windows 95 family.
    void FindProgramsDir();
    void ListProgramFolders();

    CListBox m_listFolders;
    CEdit m_editFolder;
    CStatic m_staticTitle;
    char m_szProgramsDir[MAX_PATH];

    DECLARE_MESSAGE_MAP()
};
