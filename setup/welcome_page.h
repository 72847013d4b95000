// CWelcomePage: the first page of Setup; it greets the user and sets the buttons.
#pragma once

#include "framework.h"

class CWelcomePage : public CWizardPage {
    DECLARE_DYNCREATE(CWelcomePage)
public:
    CWelcomePage();
    // Common start; Back disabled, "&Next", "&Cancel".
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    CStatic m_staticTitle;
};
