#include "tests/support/PathListDlgFixture.h"

#include "afx/WinApp.h"
#include "app/PathListDlg.h"

INT_PTR PathListDlgFixture::Run(std::vector<Step> steps)
{
    CPathListDlg dlg(m_codePage, m_unicodeCase);
    dlg.SetCommandLine(m_lpszCommandLine);
    const CMainWndScope mainWnd(&dlg);
    return RunModal(dlg, std::move(steps));
}
