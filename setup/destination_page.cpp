// CDestinationPage: see destination_page.h.
#include "destination_page.h"

#include <shlobj.h>

#include "ansi_code_page.h"
#include "destination_checks.h"
#include "foreign_items.h"
#include "page_rules.h"
#include "resource.h"
#include "setup_sheet.h"

IMPLEMENT_DYNCREATE(CDestinationPage, CWizardPage)

BEGIN_MESSAGE_MAP(CDestinationPage, CWizardPage)
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
END_MESSAGE_MAP()

namespace {
bool IsFolder(const char* path) {
    DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

CDestinationPage::CDestinationPage() : CWizardPage(IDD_DESTINATION) {}

void CDestinationPage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_SPACE_WARNING, m_staticWarning);
    DDX_Control(dx, IDC_DEST_FOLDER, m_editFolder);
    DDX_Control(dx, IDC_BROWSE, m_buttonBrowse);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
}

BOOL CDestinationPage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    CSetupSheet* sheet = GetSetupSheet(this);
    m_staticWarning.SetFont(sheet->GetTitleFont(), TRUE);
    m_editFolder.SetWindowText(sheet->GetInstallDir());
    sheet->SetNextText("&Next");
    sheet->SetCancelText("&Cancel");
    m_staticWarning.ShowWindow(SW_HIDE);
    CheckDiskSpace();
    return result;
}

BOOL CDestinationPage::OnKillActive() {
    BOOL result = CWizardPage::OnKillActive();
    GetSetupSheet(this)->SetInstallDir(WithTrailingBackslash(m_editFolder.GetWindowText(), product::IsAnsiLeadByte));
    return result;
}

LRESULT CDestinationPage::OnWizardBack() {
    GetSetupSheet(this)->EnableNext(TRUE);
    return CWizardPage::OnWizardBack();
}

LRESULT CDestinationPage::OnWizardNext() {
    // Next comes before the page is left, so the folder is still the edit's text.
    CSetupSheet* sheet = GetSetupSheet(this);
    const std::string folder = WithTrailingBackslash(m_editFolder.GetWindowText(), product::IsAnsiLeadByte).c_str();
    const std::string problem = setup::DestinationPathProblem(folder);
    if (!problem.empty()) {
        AfxMessageBox(problem.c_str(), MB_OK);
        return -1;
    }
    const std::string drive =
        setup::ShortOfSpace(AfxGetModuleFolder().c_str(), sheet->GetSystemDir().c_str(), folder);
    if (!drive.empty()) {
        ShowSpaceWarning(drive.c_str());
        return -1;
    }
    const std::string foreign =
        setup::ForeignInDestination(AfxGetModuleFolder().c_str(), sheet->GetSystemDir().c_str(), folder);
    if (!foreign.empty()) {
        AfxMessageBox(setup::ForeignItemMessage(foreign).c_str(), MB_OK);
        return -1;
    }
    return CWizardPage::OnWizardNext();
}

void CDestinationPage::ShowSpaceWarning(const CString& drive) {
    m_staticWarning.SetWindowText("Warning: insufficient disk space on drive " + drive);
    m_staticWarning.ShowWindow(SW_SHOWNORMAL);
}

void CDestinationPage::OnBrowse() {
    CSetupSheet* sheet = GetSetupSheet(this);
    // The browser opens on the folder in the edit (the stored one when the edit is
    // empty), or on its nearest existing parent.
    CString current = m_editFolder.GetWindowText();
    if (current.IsEmpty()) current = sheet->GetInstallDir();
    CString start = NearestExistingFolder(current, IsFolder, product::IsAnsiLeadByte);

    BROWSEINFOA info;
    ZeroMemory(&info, sizeof info);
    info.hwndOwner = m_hWnd;
    info.pidlRoot = nullptr;
    info.pszDisplayName = nullptr;
    info.lpszTitle = "Please choose the installation folder";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = &CDestinationPage::BrowseCallbackProc;
    info.lParam = reinterpret_cast<LPARAM>(&start);

    HRESULT com = ::CoInitialize(nullptr);
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderA(&info);
    char path[MAX_PATH] = "";
    if (chosen) {
        if (!::SHGetPathFromIDListA(chosen, path)) path[0] = '\0';
        ::CoTaskMemFree(chosen);
    }
    if (SUCCEEDED(com)) ::CoUninitialize();

    if (path[0]) {
        sheet->SetInstallDir(path);
        m_editFolder.SetWindowText(path);
    }
    CheckDiskSpace();
}

int CALLBACK CDestinationPage::BrowseCallbackProc(HWND hwnd, UINT message, LPARAM lParam, LPARAM data) {
    char path[MAX_PATH] = "";
    switch (message) {
    case BFFM_INITIALIZED: {
        const CString* start = reinterpret_cast<const CString*>(data);
        if (start && !start->IsEmpty() && start->GetLength() < MAX_PATH)
            ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->c_str()));
        break;
    }
    case BFFM_SELCHANGED:
        if (::SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
            ::SendMessageA(hwnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
        break;
    default:
        break;
    }
    return 0;
}

void CDestinationPage::CheckDiskSpace() {
    CSetupSheet* sheet = GetSetupSheet(this);
    CString drive = setup::ShortOfSpace(AfxGetModuleFolder().c_str(), sheet->GetSystemDir().c_str(),
                                        sheet->GetInstallDir().c_str())
                        .c_str();
    if (!drive.IsEmpty()) {
        ShowSpaceWarning(drive);
        sheet->EnableNext(FALSE);
    } else {
        m_staticWarning.ShowWindow(SW_HIDE);
        sheet->EnableNext(TRUE);
    }
}

uint64_t CDestinationPage::GetDriveFreeSpace(const CString& root) {
    return setup::DriveFreeSpace(root.c_str());
}
