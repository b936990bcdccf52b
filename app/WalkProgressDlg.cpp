#include "app/WalkProgressDlg.h"

#include "afx/Dialog.h"
#include "afx/LoadString.h"
#include "afx/ResourceHandle.h"
#include "pathlist/FileTable.h"
#include "res/resource.h"

#include <commctrl.h>

namespace {
constexpr DWORD OPEN_AFTER_MS = 500;
// How often the open window hands the thread its messages: often enough to
// paint and answer at once, seldom enough to cost the walk nothing.
constexpr DWORD PUMP_EVERY_MS = 40;

// The number in digits, then string nID.
std::wstring Counted(size_t nNumber, UINT nID)
{
    std::wstring strText;
    AppendNumber(strText, nNumber);
    strText += AfxLoadString(nID);
    return strText;
}
} // namespace

CWalkProgressDlg::CWalkProgressDlg(HWND hOwner) : m_hOwner(hOwner), m_dwStart(::GetTickCount())
{
}

CWalkProgressDlg::~CWalkProgressDlg()
{
    if (!m_hWnd)
        return;
    // Enabled first, so that the main window is the one activated as this
    // closes, its focus where it was, as after a modal box.
    ::EnableWindow(m_hOwner, TRUE);
    ::DestroyWindow(m_hWnd);
}

bool CWalkProgressDlg::Continue(size_t nFiles, const std::wstring& strFolder)
{
    const DWORD dwNow = ::GetTickCount();
    if (m_hWnd ? dwNow - m_dwLastPump < PUMP_EVERY_MS : dwNow - m_dwStart < OPEN_AFTER_MS)
        return true;
    m_dwLastPump = dwNow;
    if (!m_hWnd && !Open())
        return true;
    ::SetWindowTextW(::GetDlgItem(m_hWnd, IDC_PROGRESS_FILES),
                     Counted(nFiles, IDS_WALK_FILES_FOUND).c_str());
    ::SetWindowTextW(::GetDlgItem(m_hWnd, IDC_PROGRESS_FOLDER), strFolder.c_str());
    MSG msg;
    while (!m_bCancelled && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Again, for the loop that waits for it; the walk ends.
            ::PostMessageW(NULL, WM_QUIT, msg.wParam, 0);
            m_bCancelled = true;
        } else if (!::IsDialogMessageW(m_hWnd, &msg)) {
            // No keys to translate: they reach this window alone, whose
            // dialog manager translates them.
            ::DispatchMessageW(&msg);
        }
    }
    return !m_bCancelled;
}

bool CWalkProgressDlg::Open()
{
    m_hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDD_PROGRESS), m_hOwner,
                                  DialogProc, reinterpret_cast<LPARAM>(this));
    if (!m_hWnd)
        return false;
    // Modal over the main window, in its middle, as the program's dialogs open.
    ::EnableWindow(m_hOwner, FALSE);
    CDialog::CenterWindow(m_hWnd, SWP_SHOWWINDOW);
    return true;
}

INT_PTR CALLBACK CWalkProgressDlg::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        return TRUE;
    }
    auto* pThis = reinterpret_cast<CWalkProgressDlg*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    // キャンセル and Esc, which the dialog manager makes IDCANCEL; the close box.
    if (pThis && ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || message == WM_CLOSE)) {
        pThis->m_bCancelled = true;
        return TRUE;
    }
    return FALSE;
}

void CWalkProgressDlg::Report(HWND hBox, UINT nID, size_t nCount, size_t nUnread)
{
    std::wstring strText = nID == IDS_WALK_COPIED ? Counted(nCount, nID) : AfxLoadString(nID);
    if (nUnread)
        (strText += L"\r\n") += Counted(nUnread, IDS_WALK_UNREADABLE);
    const std::wstring strTitle = AfxLoadString(IDS_WALK_TITLE);
    EDITBALLOONTIP tip = {sizeof tip, strTitle.c_str(), strText.c_str(),
                          nID == IDS_WALK_COPIED ? TTI_INFO : TTI_WARNING};
    ::SendMessageW(hBox, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip));
}
