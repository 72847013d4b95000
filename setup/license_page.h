// CLicensePage: shows "license.txt" from the folder that holds Setup.exe and turns Next
// and Cancel into "&Yes" and "&No".
#pragma once

#include "framework.h"

class CLicensePage : public CWizardPage {
    DECLARE_DYNCREATE(CLicensePage)
public:
    CLicensePage();
    // Common start; Back enabled, "&Yes", "&No"; reads the licence again.
    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

    // Puts the first bytes of the licence file into the edit, or reports the missing
    // file and empties the edit.
    void LoadLicenseText();

protected:
    void DoDataExchange(CDataExchange* dx) override;

    CStatic m_staticTitle;
    CEdit m_editLicense;
};
