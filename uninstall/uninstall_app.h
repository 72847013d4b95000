// CUninstallApp: Uninstall's application object. It opens the two-page removal wizard
// as the program's only window; there is no platform check.
#pragma once

#include "framework.h"
#include "log_file.h"

// The process exit code: kExitRefused until the removal has run, then its result.
extern int g_nExitCode;

class CUninstallApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // Deletes the sheet; returns g_nExitCode.
    int ExitInstance() override;

    // The /LOG= file (none open when not asked for).
    product::LogFile m_log;

    DECLARE_MESSAGE_MAP()
};

// The application's /LOG= file.
product::LogFile& UninstallLog();
