// The installation that Next on the start-copy page runs.
#pragma once

class CSetupSheet;
class CProgressCtrl;

// Installs the product into the places the sheet names (GetSystemDir, GetInstallDir,
// GetProgramFolder, GetDefaultSaver), taking the source files from the folder that
// holds Setup.exe (AfxGetModuleFolder), and moves `progress` as it goes. Reports its
// own failures with message boxes and always runs to the end.
void RunInstall(CSetupSheet& sheet, CProgressCtrl& progress);
