#include "tests/support/PathListDlgFixture.h"

#include "tests/support/MainDlg.h"

INT_PTR PathListDlgFixture::Run(std::vector<Step> steps)
{
    CMainDlg dlg;
    dlg.SetCommandLine(m_lpszCommandLine);
    return RunModal(dlg, std::move(steps));
}
