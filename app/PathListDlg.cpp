#include "app/PathListDlg.h"

#include "afx/Clipboard.h"
#include "afx/PaintDC.h"
#include "afx/WinApp.h"
#include "app/InfoDlg.h"
#include "res/resource.h"

#include <string>

namespace {
UINT DragQueryFileOf(HDROP hDrop, UINT iFile, char* pszFile, UINT cch)
{
    return ::DragQueryFileA(hDrop, iFile, pszFile, cch);
}

UINT DragQueryFileOf(HDROP hDrop, UINT iFile, wchar_t* pszFile, UINT cch)
{
    return ::DragQueryFileW(hDrop, iFile, pszFile, cch);
}

// The drop's items as the path list fetches them: each path whole, however
// long (its length asked first), and no more than the drop gave.
template <class Char> auto DropItems(HDROP hDrop)
{
    return [hDrop, strPath = std::basic_string<Char>()](unsigned i) mutable {
        strPath.resize(DragQueryFileOf(hDrop, i, static_cast<Char*>(nullptr), 0));
        strPath.resize(DragQueryFileOf(hDrop, i, strPath.data(), strPath.size() + 1));
        return std::basic_string_view<Char>(strPath);
    };
}
} // namespace

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

CPathListDlg::CPathListDlg(const CCodePage& codePage, const CUnicodeCase& unicodeCase,
                           CWnd* pParent)
    : CDialog(IDD_PATHLIST_DIALOG, pParent), m_pathList(codePage), m_exactPaths(unicodeCase),
      m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)))
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
    GetDlgItem(IDC_COUNT).SetWindowText(m_exactPaths.GetCountText());
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
    const UINT nCount = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, NULL, 0);
    // Both lists take or refuse a drop alike: the same count, the same limit.
    if (m_pathList.AcceptDrop(nCount, DropItems<char>(hDropInfo)) &&
        m_exactPaths.AcceptDrop(nCount, DropItems<wchar_t>(hDropInfo))) {
        GetDlgItem(IDC_PATHS).SetWindowText(m_exactPaths.GetPaths().c_str());
        GetDlgItem(IDC_COUNT).SetWindowText(m_exactPaths.GetCountText());
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
    m_exactPaths.ToggleSlashes();
    ShowPaths(m_exactPaths.GetCaseMode());
}

void CPathListDlg::OnCase()
{
    m_pathList.CycleCase();
    ShowPaths(m_exactPaths.CycleCase());
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
    std::wstring strShown;
    paths.GetWindowText(strShown);
    if (strShown.empty())
        return;
    if (!AfxSetClipboardText(m_hWnd, strShown, m_pathList.GetDisplayText(m_pathList.GetCaseMode())))
        AfxMessageBox(IDS_CLIPBOARD_BUSY, MB_OK);
}

void CPathListDlg::ShowPaths(CPathList::CaseMode nCaseMode)
{
    GetDlgItem(IDC_PATHS).SetWindowText(m_exactPaths.GetDisplayText(nCaseMode).c_str());
}
