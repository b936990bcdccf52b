#pragma once

#include "afx/WinApp.h"
#include "app/PathListDlg.h"
#include "app/SystemUnicodeCase.h"
#include "pathlist/CrtCodePage.h"

// The rules the program gives its main dialog, made before the dialog.
struct CMainDlgRules
{
    CCrtCodePage codePage;
    CSystemUnicodeCase unicodeCase;
};

// The main dialog as the program runs it: the C runtime's code page rules,
// the system's Unicode case, and the application's main window while it lives.
class CMainDlg : private CMainDlgRules, public CPathListDlg
{
public:
    CMainDlg() : CPathListDlg(codePage, unicodeCase), m_mainWnd(this) {}

private:
    CMainWndScope m_mainWnd;
};
