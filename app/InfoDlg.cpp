#include "app/InfoDlg.h"

#include "afx/LoadString.h"
#include "res/resource.h"

#include <string>

// clang-format off
BEGIN_MESSAGE_MAP(CInfoDlg, CDialog)
END_MESSAGE_MAP()
// clang-format on

CInfoDlg::CInfoDlg() : CDialog(IDD_INFO, NULL)
{
}

BOOL CInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    std::wstring strText = AfxLoadString(IDS_INFO_TEXT);
    GetDlgItem(IDC_INFO_TEXT).SetWindowText(strText.c_str());
    strText = AfxLoadString(IDS_INFO_HIDDEN);
    GetDlgItem(IDC_INFO_HIDDEN).SetWindowText(strText.c_str());
    return TRUE;
}
