// The installation, as Next on the start-copy page and an unattended run start it.
#pragma once

#include "install_steps.h"

class CSetupSheet;
class CProgressCtrl;

// Installs with `choices`, the source files taken from the folder that holds Setup.exe,
// each step logged in `log` and the outcome in `outcome` when given: reads the record an earlier install left, measures the
// medium for Add/Remove Programs and carries out the plan. Returns the exit code.
int InstallWith(const setup::InstallChoices& choices, setup::InstallFeedback& feedback, product::StepLog& log,
                product::ChangeOutcome* outcome = nullptr);

// Installs the product into the places the sheet names (GetSystemDir, GetInstallDir,
// GetProgramFolder, GetDefaultSaver), moving `progress` as it goes and reporting copy
// and registry failures with message boxes. What happened, for the completion page, is
// in `outcome`; returns the exit code.
int RunInstall(CSetupSheet& sheet, CProgressCtrl& progress, product::StepLog& log, product::ChangeOutcome& outcome);

// The product's version as its version resource gives it ("1.0.0.1").
std::string OwnVersion();
