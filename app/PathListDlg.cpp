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
    ON_WM_DPICHANGED()
END_MESSAGE_MAP()
// clang-format on

const CDialogPictures::Variants CPathListDlg::s_pictures[2] = {
    {IDB_FOLDERS, IDB_FOLDERS_144, IDB_FOLDERS_192},
    {IDB_CAPTION, IDB_CAPTION_144, IDB_CAPTION_192},
};

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
    m_pictures.Show(m_hWnd, CDialogPictures::WindowDpi(m_hWnd));
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

// The window has moved to a monitor of another DPI (or the monitor's changed).
void CPathListDlg::OnDpiChanged(UINT nDpi, const RECT* pRect)
{
    ::SetWindowPos(m_hWnd, NULL, pRect->left, pRect->top, pRect->right - pRect->left,
                   pRect->bottom - pRect->top, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pictures.Show(m_hWnd, nDpi);
    // Windows 10 1703 and later go on to scale the dialog's font and controls.
    Default();
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
