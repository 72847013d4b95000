// The installation run by the start-copy page (stand-in: installs nothing yet).
#include "install_actions.h"

#include "setup_sheet.h"

void RunInstall(CSetupSheet&, CProgressCtrl& progress) { progress.SetPos(100); }
