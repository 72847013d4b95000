// CProgramsFolderPage: see programs_folder_page.h.
#include "programs_folder_page.h"

#include <shlobj.h>

#include "ansi_code_page.h"
#include "destination_checks.h"
#include "folder_paths.h"
#include "foreign_items.h"
#include "page_rules.h"
#include "resource.h"
#include "setup_app.h"
#include "setup_sheet.h"

IMPLEMENT_DYNCREATE(CProgramsFolderPage, CWizardPage)

BEGIN_MESSAGE_MAP(CProgramsFolderPage, CWizardPage)
    ON_LBN_DBLCLK(IDC_FOLDER_LIST, OnDblclkFolderList)
END_MESSAGE_MAP()

CProgramsFolderPage::CProgramsFolderPage() : CWizardPage(IDD_PROGRAM_FOLDER) {
    m_szProgramsDir[0] = '\0';
}

void CProgramsFolderPage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_FOLDER_LIST, m_listFolders);
    DDX_Control(dx, IDC_PROGRAM_FOLDER, m_editFolder);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
}

BOOL CProgramsFolderPage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    m_editFolder.SetWindowText(GetSetupSheet(this)->GetDefaultFolderName());
    m_listFolders.ResetContent();
    FindProgramsDir();
    ListProgramFolders();
    return result;
}

void CProgramsFolderPage::FindProgramsDir() {
    m_szProgramsDir[0] = '\0';
    int folder = g_nPlatform == VER_PLATFORM_WIN32_NT ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS;
    PIDLIST_ABSOLUTE list = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(m_hWnd, folder, &list)) && list) {
        if (!::SHGetPathFromIDListA(list, m_szProgramsDir)) m_szProgramsDir[0] = '\0';
        ::CoTaskMemFree(list);
    }
}

void CProgramsFolderPage::ListProgramFolders() {
    // Folders directly below the Programs folder, found by full path, so the process's
    // current folder is never changed.
    WIN32_FIND_DATAA entry;
    HANDLE search = INVALID_HANDLE_VALUE;
    if (m_szProgramsDir[0]) {
        CString pattern = WithTrailingBackslash(m_szProgramsDir, product::IsAnsiLeadByte) + "*";
        search = ::FindFirstFileA(pattern, &entry);
    }
    if (search == INVALID_HANDLE_VALUE) {
        MessageBox("No program folders were found.", nullptr, MB_OK);
        return;
    }
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.cFileName[0] != '.')
            m_listFolders.AddString(entry.cFileName);
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
}

void CProgramsFolderPage::OnDblclkFolderList() {
    int selected = m_listFolders.GetCurSel();
    if (selected != LB_ERR) m_editFolder.SetWindowText(m_listFolders.GetText(selected));
}

BOOL CProgramsFolderPage::OnKillActive() {
    BOOL result = CWizardPage::OnKillActive();
    // Without a Programs folder there is no program folder: no shortcuts are made.
    GetSetupSheet(this)->SetProgramFolder(
        m_szProgramsDir[0] ? ProgramFolderPath(m_szProgramsDir, m_editFolder.GetWindowText(), product::IsAnsiLeadByte)
                           : CString());
    return result;
}

LRESULT CProgramsFolderPage::OnWizardBack() { return CWizardPage::OnWizardBack(); }

LRESULT CProgramsFolderPage::OnWizardNext() {
    if (!m_szProgramsDir[0]) {
        AfxMessageBox("The Start menu's Programs folder could not be found, so Setup will make no shortcuts.",
                      MB_OK);
        return CWizardPage::OnWizardNext();
    }
    const std::string folder =
        ProgramFolderPath(m_szProgramsDir, m_editFolder.GetWindowText(), product::IsAnsiLeadByte).c_str();
    if (!product::IsAbsoluteFolder(folder, product::IsAnsiLeadByte)) {
        AfxMessageBox("Please enter a name for the program folder.", MB_OK);
        return -1;
    }
    const std::string foreign =
        setup::ForeignInProgramFolder(GetSetupSheet(this)->GetInstallDir().c_str(), folder);
    if (!foreign.empty()) {
        AfxMessageBox(setup::ForeignItemMessage(foreign).c_str(), MB_OK);
        return -1;
    }
    return CWizardPage::OnWizardNext();
}
