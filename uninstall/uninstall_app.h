// CUninstallApp: Uninstall's application object. It opens the two-page removal wizard
// as the program's only window; there is no platform check.
#pragma once

#include "framework.h"

class CUninstallApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    DECLARE_MESSAGE_MAP()
};
