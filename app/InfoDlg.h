#pragma once

#include "afx/Dialog.h"

// What the program does and who made it, with a message hidden below the
// first line of the small box.
class CInfoDlg : public CDialog
{
public:
    CInfoDlg();

protected:
    BOOL OnInitDialog() override;
    // Fills both boxes as the dialog opens; they are read-only, so nothing
    // comes back from them.
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
