#pragma once

#include "afx/Dialog.h"

// What the program does and who made it, with a message hidden below the
// first line of the small box.
class CInfoDlg : public CDialog
{
public:
    CInfoDlg();

protected:
    // Sets the icon and fills both boxes; they are read-only, so nothing comes back from them.
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
