// CSetupApp: Setup's application object. It checks the Windows family and the command
// line, then opens the wizard as the program's only window, or installs unattended (/S).
#pragma once

#include "framework.h"
#include "log_file.h"

// The Windows family found at start-up: 1 (the Windows 95 family) or 2 (the NT family);
// 0 before start-up.
extern int g_nPlatform;

// The process exit code: kExitRefused until the install has run, then its result.
extern int g_nExitCode;

class CSetupApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // Deletes the sheet; returns g_nExitCode.
    int ExitInstance() override;

    // The /LOG= file (none open when not asked for).
    product::LogFile m_log;

    DECLARE_MESSAGE_MAP()
};

// The application's /LOG= file.
product::LogFile& SetupLog();
