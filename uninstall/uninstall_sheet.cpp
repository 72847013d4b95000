// CSetupSheet of Uninstall: see uninstall_sheet.h.
#include "uninstall_sheet.h"

#include "install_layout.h"
#include "resource.h"
#include "system_folder.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CSetupSheet, CWizardSheet)

CSetupSheet::CSetupSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CWizardSheet(caption, parent, selectPage, IDB_SIDEBAR) {
    AddPage(&m_pageStartCopy);
    AddPage(&m_pageComplete);

    m_strSystemDir = SaverSystemFolder();  // SysWOW64 under WOW64
    ReadInstallLocation();
}

void CSetupSheet::ReadInstallLocation() {
    m_strInstallDir = ReadLocationValue(layout::kDataRootValue);
    m_strProgramFolder = ReadLocationValue(layout::kProgramFolderValue);
}

CString CSetupSheet::ReadLocationValue(const char* name) {
    HKEY key;
    if (::RegOpenKeyA(HKEY_CURRENT_USER, layout::kSettingsKey, &key) != ERROR_SUCCESS) {
        MessageBox("error reading from registry", nullptr, MB_OK);
        return CString();
    }
    char buffer[512];
    std::memset(buffer, 0, sizeof buffer);
    DWORD size = sizeof buffer, type = 0;
    LONG rc = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(key);
    // A value that is too long or not a string is treated as missing.
    if (rc != ERROR_SUCCESS || type != REG_SZ) return CString();
    return CString(buffer, static_cast<int>(sizeof buffer));
}
