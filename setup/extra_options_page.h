// CExtraOptionsPage: asks whether Whirlmark becomes the default screen saver.
#pragma once

#include "framework.h"

class CExtraOptionsPage : public CWizardPage {
    DECLARE_DYNCREATE(CExtraOptionsPage)
public:
    CExtraOptionsPage();
    // Common start; the box shows the sheet's choice.
    BOOL OnSetActive() override;
    // Stores the box's state in the sheet.
    BOOL OnKillActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    CStatic m_staticTitle;
    CButton m_checkDefaultSaver;
};
