#include "tests/support/PathListDlgFixture.h"

#include "afx/WinApp.h"
#include "app/PathListDlg.h"

INT_PTR PathListDlgFixture::Run(std::vector<Step> steps)
{
    CPathListDlg dlg(m_codePage, m_unicodeCase);
    AfxGetApp()->m_pMainWnd = &dlg;
    const INT_PTR nResult = RunModal(dlg, std::move(steps));
    AfxGetApp()->m_pMainWnd = nullptr;
    return nResult;
}
