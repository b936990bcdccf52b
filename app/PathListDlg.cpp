#include "app/PathListDlg.h"

#include "afx/PaintDC.h"
#include "afx/WinApp.h"
#include "app/InfoDlg.h"
#include "res/resource.h"

#include <string>

// clang-format off
BEGIN_MESSAGE_MAP(CPathListDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DROPFILES()
    ON_BN_CLICKED(IDC_INFO, OnInfo)
    ON_BN_CLICKED(IDC_SLASH, OnSlash)
    ON_BN_CLICKED(IDC_CASE, OnCase)
    ON_BN_CLICKED(IDC_COPYALL, OnCopyAll)
END_MESSAGE_MAP()
// clang-format on

CPathListDlg::CPathListDlg(const CCodePage& codePage, CWnd* pParent)
    : CDialog(IDD_PATHLIST_DIALOG, pParent), m_pathList(codePage),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

BOOL CPathListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    DragAcceptFiles(TRUE);
    return TRUE;
}

void CPathListDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        const int cxIcon = ::GetSystemMetrics(SM_CXICON);
        const int cyIcon = ::GetSystemMetrics(SM_CYICON);
        RECT rect;
        GetClientRect(&rect);
        const int x = (rect.right - rect.left - cxIcon + 1) / 2;
        const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        Default();
    }
    GetDlgItem(IDC_COUNT).SetWindowText(m_pathList.GetCountText());
}

HICON CPathListDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CPathListDlg::OnDropFiles(HDROP hDropInfo)
{
    const UINT nCount = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, NULL, 0);
    // Each path is taken whole, however long: ask its length, then fetch it.
    std::string strPath;
    const auto fetch = [&](unsigned i) {
        strPath.resize(::DragQueryFileA(hDropInfo, i, NULL, 0));
        ::DragQueryFileA(hDropInfo, i, &strPath[0], strPath.size() + 1);
        return std::string_view(strPath);
    };
    if (m_pathList.AcceptDrop(nCount, fetch)) {
        GetDlgItem(IDC_PATHS).SetWindowText(m_pathList.GetPaths().c_str());
        GetDlgItem(IDC_COUNT).SetWindowText(m_pathList.GetCountText());
    } else {
        AfxMessageBox(IDS_TOO_MANY, MB_OK);
    }
    ::DragFinish(hDropInfo);
}

void CPathListDlg::OnInfo()
{
    CInfoDlg dlg;
    dlg.DoModal();
}

void CPathListDlg::OnSlash()
{
    m_pathList.ToggleSlashes();
    ShowPaths(m_pathList.GetCaseMode());
}

void CPathListDlg::OnCase()
{
    ShowPaths(m_pathList.CycleCase());
}

void CPathListDlg::OnCopyAll()
{
    if (AfxMessageBox(IDS_CONFIRM_COPY, MB_OKCANCEL) == IDCANCEL)
        return;
    // Copy what the box shows, in its current separators and letter case;
    // an empty box copies nothing and leaves the clipboard as it was.
    CWnd paths = GetDlgItem(IDC_PATHS);
    paths.SendMessage(EM_SETSEL, 0, -1);
    paths.SendMessage(EM_SCROLLCARET);
    paths.SendMessage(WM_COPY);
}

void CPathListDlg::ShowPaths(CPathList::CaseMode nCaseMode)
{
    GetDlgItem(IDC_PATHS).SetWindowText(m_pathList.GetDisplayText(nCaseMode).c_str());
}
