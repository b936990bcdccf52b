#pragma once

#include <windows.h>

class CWnd;

// What a dialog's DoDataExchange is told: which dialog, and whether data goes
// from the controls to the object (on OK) or from the object to the controls
// (at initialisation).
class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};
