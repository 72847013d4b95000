// CStartCopyPage: announces that copying can start; its Next runs the installation
// (install_actions.h) and then shows the completion page.
#pragma once

#include "framework.h"

class CStartCopyPage : public CProgressPage {
    DECLARE_DYNCREATE(CStartCopyPage)
public:
    CStartCopyPage();
    // Shows the status texts and the bar, runs the installation, makes the completion
    // page active. Returns the base result.
    LRESULT OnWizardNext() override;
};
