#include "InfoDlg.h"

#include "LoadString.h"
#include "resource.h"

#include <string>

// clang-format off
BEGIN_MESSAGE_MAP(CInfoDlg, CDialog)
END_MESSAGE_MAP()
// clang-format on

CInfoDlg::CInfoDlg() : CDialog(IDD_INFO, NULL)
{
}

void CInfoDlg::DoDataExchange(CDataExchange*)
{
    std::string strText = AfxLoadString(IDS_INFO_TEXT);
    GetDlgItem(IDC_INFO_TEXT).SetWindowText(strText.c_str());
    strText = AfxLoadString(IDS_INFO_HIDDEN);
    GetDlgItem(IDC_INFO_HIDDEN).SetWindowText(strText.c_str());
}
