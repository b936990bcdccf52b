#include "app/InfoDlg.h"

#include "afx/LoadString.h"
#include "afx/ResourceHandle.h"
#include "afx/WinApp.h"
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
    // Its template's static has no text, which would be the icon's resource
    // number to screen readers; loaded as the static loads one, shared.
    GetDlgItem(IDC_INFO_ICON)
        .SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(
                                      AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))));
    std::wstring strText = AfxLoadString(IDS_INFO_TEXT);
    GetDlgItem(IDC_INFO_TEXT).SetWindowText(strText.c_str());
    strText = AfxLoadString(IDS_INFO_HIDDEN);
    GetDlgItem(IDC_INFO_HIDDEN).SetWindowText(strText.c_str());
    return TRUE;
}
