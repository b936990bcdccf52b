#pragma once

#include "afx/Wnd.h"

// The path box: the dialog's read-only edit control, whose menu is the
// dialog's own rather than the edit control's.
class CPathsBox : public CWnd
{
protected:
    void OnContextMenu(CWnd* pWnd, POINT point);

    DECLARE_MESSAGE_MAP()
};
