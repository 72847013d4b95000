// CSetupApp: Setup's application object. It checks the Windows family, then opens the
// wizard as the program's only window.
#pragma once

#include "framework.h"

// The Windows family found at start-up: 1 (the Windows 95 family) or 2 (the NT family);
// 0 before start-up.
extern int g_nPlatform;

class CSetupApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    DECLARE_MESSAGE_MAP()
};
