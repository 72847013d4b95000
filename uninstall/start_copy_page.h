// CStartCopyPage of Uninstall: welcomes the user; its Next removes the product and then
// shows the completion page.
#pragma once

#include "framework.h"

class CStartCopyPage : public CProgressPage {
    DECLARE_DYNCREATE(CStartCopyPage)
public:
    CStartCopyPage();
    // Common start, with Back disabled.
    BOOL OnSetActive() override;
    // Shows the status texts and the bar, removes the product, makes the completion page
    // active. Returns the base result.
    LRESULT OnWizardNext() override;
};
