#include "app/PathListDlg.h"

#include "afx/AnsiText.h"
#include "afx/Clipboard.h"
#include "afx/LoadString.h"
#include "afx/PaintDC.h"
#include "afx/ResourceHandle.h"
#include "afx/WinApp.h"
#include "app/CommandLineIntake.h"
#include "app/CopyCommands.h"
#include "app/DropIntake.h"
#include "app/IdListIntake.h"
#include "app/InfoDlg.h"
#include "app/SystemFileFacts.h"
#include "app/SystemFolderLister.h"
#include "app/WalkProgressDlg.h"
#include "res/resource.h"

#include <utility>

namespace {
// Posted to itself as the window opens: the command line's names are taken
// once it shows.
constexpr UINT WM_TAKE_ARGUMENTS = WM_APP;
// Posted by a drop through OLE that was refused for too many items: its
// message opens once the drop has returned, so that the drag's source is not
// kept waiting while it is open.
constexpr UINT WM_REPORT_TOO_MANY = WM_APP + 1;
// Any program can post either: each does its work once, when it is due.
} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CPathListDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DROPFILES()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_INFO, OnInfo)
    ON_BN_CLICKED(IDC_SLASH, OnSlash)
    ON_BN_CLICKED(IDC_CASE, OnCase)
    ON_WM_DPICHANGED()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_EDIT_PASTE, OnPaste)
    ON_COPY_COMMANDS()
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnSelectAll)
    ON_COMMAND(ID_SORT_BY_NAME, OnSortByName)
    ON_COMMAND(ID_ADD_ON_DROP, OnAddOnDrop)
    ON_COMMAND(ID_EDIT_CLEAR, OnRemoveLines)
    ON_COMMAND(ID_EDIT_UNDO, OnUndo)
    ON_COMMAND(ID_EXPAND_FOLDERS, OnExpandFolders)
    ON_MESSAGE(WM_TAKE_ARGUMENTS, OnTakeArguments)
    ON_MESSAGE(WM_REPORT_TOO_MANY, OnReportTooMany)
END_MESSAGE_MAP()
// clang-format on

const CDialogPictures::Variants CPathListDlg::s_pictures[2] = {
    {IDB_FOLDERS, IDB_FOLDERS_144, IDB_FOLDERS_192},
    {IDB_CAPTION, IDB_CAPTION_144, IDB_CAPTION_192},
};

CPathListDlg::CPathListDlg(const CCodePage& codePage, const CUnicodeCase& unicodeCase,
                           CWnd* pParent)
    : CDialog(IDD_PATHLIST_DIALOG, pParent), m_paths(codePage, unicodeCase),
      m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_hAccelTable(::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)))
{
}

BOOL CPathListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    // Both: OLE's drops carry paths past 259 characters, which a drop
    // handle cannot; WM_DROPFILES for programs that post it and for the
    // elevated window, which takes no OLE drop from the shell.
    DragAcceptFiles(TRUE);
    m_dropTarget.Register(this, this);
    m_pathsBox.SubclassDlgItem(IDC_PATHS, this);
    m_pictures.Show(m_hWnd, CDialogPictures::WindowDpi(m_hWnd));
    m_countVoice.Introduce(GetDlgItem(IDC_COUNT).m_hWnd, m_paths.GetCountText());
    if (m_lpszCommandLine)
        PostMessage(WM_TAKE_ARGUMENTS);
    return TRUE;
}

BOOL CPathListDlg::PreTranslateMessage(MSG* pMsg)
{
    // The window's keys (Ctrl+V), whichever of its controls has the focus.
    return ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg);
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
    GetDlgItem(IDC_COUNT).SetWindowText(m_paths.GetCountText());
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
    // A drop behind a question or the info dialog must not change the list
    // the user is answering about. Wine delivers drops to a disabled window.
    ShowIntake(IsWindowEnabled() ? TakeOpened<CDropIntake>(hDropInfo) : INTAKE_NONE);
    ::DragFinish(hDropInfo);
}

BOOL CPathListDlg::OnDropData(IDataObject* pDataObject)
{
    Intake intake;
    {
        COleDataObject data(pDataObject);
        intake = TakeFilesOf(data);
    }
    if (intake == INTAKE_TOO_MANY) {
        m_bTooManyDue = true;
        PostMessage(WM_REPORT_TOO_MANY);
    } else {
        ShowIntake(intake);
    }
    return intake != INTAKE_NONE;
}

void CPathListDlg::OnDestroy()
{
    m_dropTarget.Revoke();
}

// Files copied in the file manager come as they would by a drop.
void CPathListDlg::OnPaste()
{
    Intake intake = INTAKE_NONE;
    {
        CClipboard clipboard(m_hWnd);
        if (!clipboard.IsOpen()) {
            AfxMessageBox(IDS_CLIPBOARD_BUSY, MB_OK);
            return;
        }
        // The clipboard owns the handles: read while it is open, never released.
        intake = TakeFilesOf(clipboard);
    } // closed before any box opens, which would keep it from other programs
    if (intake == INTAKE_NONE)
        ::MessageBeep(MB_OK);
    ShowIntake(intake);
}

LRESULT CPathListDlg::OnReportTooMany(WPARAM, LPARAM)
{
    if (std::exchange(m_bTooManyDue, false))
        ShowIntake(INTAKE_TOO_MANY);
    return 0;
}

// The window is up: the list, or message 105, shows over it. Without
// arguments, the window stays as every start leaves it.
LRESULT CPathListDlg::OnTakeArguments(WPARAM, LPARAM)
{
    if (m_lpszCommandLine)
        ShowIntake(TakeOpened<CCommandLineIntake>(std::exchange(m_lpszCommandLine, nullptr)));
    return 0;
}

template <class Source> CPathListDlg::Intake CPathListDlg::TakeFilesOf(Source& source)
{
    // A source without the format gives NULL, which opens no intake.
    const Intake intake = TakeOpened<CDropIntake>(static_cast<HDROP>(source.GetData(CF_HDROP)));
    return intake != INTAKE_NONE
               ? intake
               : TakeOpened<CIdListIntake>(source.GetData(AfxGetShellIdListFormat()));
}

template <class SourceIntake, class Handle>
CPathListDlg::Intake CPathListDlg::TakeOpened(Handle hSource)
{
    SourceIntake intake(hSource);
    return intake.IsOpen() ? TakeFiles(intake) : INTAKE_NONE;
}

CPathListDlg::Intake CPathListDlg::TakeFiles(CPathIntake& intake)
{
    const bool bTaken = m_paths.IsAddingOnDrop() ? m_paths.AddDrop(intake, m_nameOrder)
                                                 : m_paths.AcceptDrop(intake);
    return bTaken ? INTAKE_TAKEN : INTAKE_TOO_MANY;
}

void CPathListDlg::ShowIntake(Intake intake)
{
    if (intake == INTAKE_TAKEN)
        ShowChangedList();
    else if (intake == INTAKE_TOO_MANY)
        AfxMessageBox(IDS_TOO_MANY, MB_OK);
}

void CPathListDlg::ShowChangedList()
{
    ShowPaths();
    CWnd count = GetDlgItem(IDC_COUNT);
    count.SetWindowText(m_paths.GetCountText());
    m_countVoice.Announce(count.m_hWnd, m_paths.GetCountText());
}

void CPathListDlg::OnInfo()
{
    CInfoDlg dlg;
    dlg.DoModal();
}

void CPathListDlg::OnSlash()
{
    m_paths.ToggleSlashes();
    ShowPaths();
}

void CPathListDlg::OnCase()
{
    m_paths.CycleCase();
    ShowPaths();
}

void CPathListDlg::OnContextMenu(CWnd* pWnd, POINT point)
{
    if (pWnd->m_hWnd != m_pathsBox.m_hWnd)
        return;
    // Asked from the keyboard: in the middle of the box, where the edit
    // control puts its own.
    if (point.x == -1 && point.y == -1) {
        RECT rect;
        ::GetWindowRect(m_pathsBox.m_hWnd, &rect);
        point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    const HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_PATHS_MENU));
    const HMENU hPopup = ::GetSubMenu(hMenu, 0);
    const UINT nCopyState = m_paths.IsEmpty() ? MF_GRAYED : MF_ENABLED;
    for (const CCopyCommand& command : COPY_COMMAND_TABLE)
        if (command.nFlags & COPY_NEEDS_LIST)
            ::EnableMenuItem(hPopup, command.nID, MF_BYCOMMAND | nCopyState);
    // The one submenu holds copies alone.
    for (int i = 0; i < ::GetMenuItemCount(hPopup); ++i)
        if (::GetSubMenu(hPopup, i))
            ::EnableMenuItem(hPopup, i, MF_BYPOSITION | nCopyState);
    ::EnableMenuItem(hPopup, ID_SORT_BY_NAME, MF_BYCOMMAND | nCopyState);
    ::EnableMenuItem(hPopup, ID_EDIT_CLEAR, MF_BYCOMMAND | nCopyState);
    ::EnableMenuItem(hPopup, ID_EDIT_UNDO,
                     MF_BYCOMMAND | (m_paths.CanUndo() ? MF_ENABLED : MF_GRAYED));
    ::CheckMenuItem(hPopup, ID_SORT_BY_NAME,
                    MF_BYCOMMAND | (m_paths.IsInNameOrder() ? MF_CHECKED : MF_UNCHECKED));
    ::CheckMenuItem(hPopup, ID_ADD_ON_DROP,
                    MF_BYCOMMAND | (m_paths.IsAddingOnDrop() ? MF_CHECKED : MF_UNCHECKED));
    ::CheckMenuItem(hPopup, ID_EXPAND_FOLDERS,
                    MF_BYCOMMAND | (m_bExpandFolders ? MF_CHECKED : MF_UNCHECKED));

    const bool bFiles = ::IsClipboardFormatAvailable(CF_HDROP) ||
                        ::IsClipboardFormatAvailable(AfxGetShellIdListFormat());
    ::EnableMenuItem(hPopup, ID_EDIT_PASTE, MF_BYCOMMAND | (bFiles ? MF_ENABLED : MF_GRAYED));
    ::TrackPopupMenu(hPopup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, NULL);
    ::DestroyMenu(hMenu);
}

void CPathListDlg::OnCopy(UINT nID)
{
    const CCopyCommand& command = *FindCopyCommand(nID);
    // Only the key reaches here with an empty list: the menu greys these.
    if ((command.nFlags & COPY_NEEDS_LIST) && m_paths.IsEmpty()) {
        ::MessageBeep(MB_OK);
        return;
    }
    if ((command.nFlags & COPY_ASKS) && AfxMessageBox(IDS_CONFIRM_COPY, MB_OKCANCEL) == IDCANCEL)
        return;
    if (command.nFlags & COPY_SELECTS_BOX) {
        m_pathsBox.SendMessage(EM_SETSEL, 0, -1);
        m_pathsBox.SendMessage(EM_SCROLLCARET);
    }
    // An empty box copies nothing and leaves the clipboard as it was.
    if (m_paths.IsEmpty())
        return;
    // Copy All copies what the box shows, whatever the menu's setting.
    CFolderExpansion expansion;
    const bool bWalked = m_bExpandFolders && nID != IDC_COPYALL;
    if (bWalked && !WalkFolders(expansion, command.form.bTable))
        return;
    // The table's words, loaded once a copy.
    const CTableWords words = {AfxLoadString(IDS_TABLE_HEADER), AfxLoadString(IDS_FOLDER_KIND)};
    const CCopyText text =
        MakeCopyText(command.form, m_paths, m_serverNames, m_nameOrder, CSystemFileFacts(), words,
                     AfxToAnsi, bWalked ? &expansion : nullptr);
    if (text.bTooLong)
        return CWalkProgressDlg::Report(
            m_pathsBox.m_hWnd, command.form.bTable ? IDS_TABLE_TOO_LARGE : IDS_WALK_TOO_LARGE, 0,
            0);
    const ClipboardWrite nWritten =
        AfxSetClipboardText(m_hWnd, text.strText, text.strAnsi, text.strHtml);
    ReportCopy(nWritten);
    if (bWalked && nWritten == CLIPBOARD_WRITTEN)
        CWalkProgressDlg::Report(m_pathsBox.m_hWnd, IDS_WALK_COPIED, m_nWalkedLines,
                                 expansion.GetUnreadCount());
}

void CPathListDlg::OnSelectAll()
{
    // With the focus in the box, as Ctrl+C there copies the selection.
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_pathsBox.m_hWnd), TRUE);
    m_pathsBox.SendMessage(EM_SETSEL, 0, -1);
}

void CPathListDlg::OnSortByName()
{
    if (m_paths.IsInNameOrder())
        m_paths.RestoreGivenOrder();
    else
        m_paths.SortByName(m_nameOrder);
    ShowPaths();
}

void CPathListDlg::OnAddOnDrop()
{
    m_paths.SetAddingOnDrop(!m_paths.IsAddingOnDrop());
}

// Delete, whichever control has the focus: the lines the box's selection
// touches, or the caret's; the caret then starts the line after them.
void CPathListDlg::OnRemoveLines()
{
    DWORD dwStart = 0, dwEnd = 0;
    m_pathsBox.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                           reinterpret_cast<LPARAM>(&dwEnd));
    const size_t nFirst = m_paths.RemoveSelectedLines(dwStart, dwEnd);
    if (nFirst == std::wstring::npos) {
        ::MessageBeep(MB_OK);
        return;
    }
    ShowChangedList();
    // Past the last line, at the end of the list.
    const size_t nCaret = m_paths.GetLineStart(nFirst);
    m_pathsBox.SendMessage(EM_SETSEL, nCaret, nCaret);
    m_pathsBox.SendMessage(EM_SCROLLCARET);
}

void CPathListDlg::OnUndo()
{
    if (m_paths.Undo(m_nameOrder))
        ShowChangedList();
    else
        ::MessageBeep(MB_OK);
}

void CPathListDlg::OnExpandFolders()
{
    m_bExpandFolders = !m_bExpandFolders;
}

bool CPathListDlg::WalkFolders(CFolderExpansion& expansion, bool bTimes)
{
    CSystemFolderLister lister(bTimes);
    CFolderExpansion::Result nResult;
    {
        CWalkProgressDlg progress(m_hWnd);
        nResult = expansion.Expand(m_paths, m_nameOrder, lister, CSystemFolderLister::ShellRules(),
                                   progress);
    }
    // Every line the copy takes: the walked files and the list's own.
    m_nWalkedLines = expansion.GetFileCount();
    for (size_t i = 0; i < m_paths.GetCount(); ++i)
        m_nWalkedLines += !expansion.IsWalked(i);
    if (nResult == CFolderExpansion::WALKED && m_nWalkedLines)
        return true;
    if (nResult != CFolderExpansion::CANCELLED)
        CWalkProgressDlg::Report(m_pathsBox.m_hWnd,
                                 nResult == CFolderExpansion::TOO_LARGE ? IDS_WALK_TOO_LARGE
                                                                        : IDS_WALK_NO_FILES,
                                 0, expansion.GetUnreadCount());
    return false;
}

void CPathListDlg::ReportCopy(ClipboardWrite result)
{
    if (result == CLIPBOARD_BUSY)
        AfxMessageBox(IDS_CLIPBOARD_BUSY, MB_OK);
    else if (result == CLIPBOARD_FAILED)
        AfxMessageBox(IDS_COPY_FAILED, MB_OK);
}

void CPathListDlg::ShowPaths()
{
    m_pathsBox.SetWindowText(m_paths.GetText().c_str());
}
