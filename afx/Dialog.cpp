#include "afx/Dialog.h"

#include "afx/ResourceHandle.h"
#include "afx/WinApp.h"

#include <utility>

namespace {
// The head of an extended dialog template; the platform headers declare only
// the classic one.
struct DLGTEMPLATEEX_HEAD
{
    WORD dlgVer;
    WORD signature;
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
    WORD cDlgItems;
    short x;
    short y;
};

// The messages whose result a dialog procedure returns itself instead of
// leaving it in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

// The innermost modal dialog of the thread, and the hook that shows it the
// messages of its modal loop.
CDialog* g_pModalDialog = nullptr;
HHOOK g_hMessageFilter = NULL;
} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()
// clang-format on

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    // The dialog manager's loop translates no accelerators of the program's:
    // a message filter hook lets the dialog see its messages first.
    m_pOuterModal = std::exchange(g_pModalDialog, this);
    if (!m_pOuterModal)
        g_hMessageFilter =
            ::SetWindowsHookExW(WH_MSGFILTER, MessageFilterProc, NULL, ::GetCurrentThreadId());
    const HWND hWndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : AfxGetModalOwner();
    const INT_PTR nResult =
        ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), hWndOwner,
                          DialogProc, reinterpret_cast<LPARAM>(this));
    g_pModalDialog = m_pOuterModal;
    if (!m_pOuterModal)
        ::UnhookWindowsHookEx(g_hMessageFilter);
    return nResult;
}

LRESULT CALLBACK CDialog::MessageFilterProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // Message boxes run a dialog loop too: only the dialog's own windows count.
    MSG* pMsg = reinterpret_cast<MSG*>(lParam);
    const HWND hDlg = g_pModalDialog ? g_pModalDialog->m_hWnd : NULL;
    if (nCode == MSGF_DIALOGBOX && hDlg && ::IsWindowEnabled(hDlg) &&
        (pMsg->hwnd == hDlg || ::IsChild(hDlg, pMsg->hwnd)) &&
        g_pModalDialog->PreTranslateMessage(pMsg))
        return TRUE;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

BOOL CDialog::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        // DoModal handed the object over; from now on the window carries it.
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
        pDlg->m_hWnd = hWnd;
        const BOOL bSetFocus = pDlg->OnInitDialog();
        if (pDlg->CheckAutoCenter())
            CenterWindow(hWnd, SWP_NOACTIVATE);
        return bSetFocus;
    }

    // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
    CDialog* pDlg = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!pDlg)
        return FALSE;
    if (message == WM_NCDESTROY) {
        pDlg->m_hWnd = NULL;
        return FALSE;
    }
    LRESULT lResult = 0;
    if (!pDlg->OnWndMsg(message, wParam, lParam, &lResult))
        return FALSE;
    if (ReturnsResultDirectly(message))
        return lResult;
    ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}

// A template that leaves the position at 0, 0 and asks for no placement of
// its own wants the dialog centred, as the class library does it.
bool CDialog::CheckAutoCenter() const
{
    const HINSTANCE hInstance = AfxGetResourceHandle();
    const HRSRC hResource = ::FindResourceW(hInstance, MAKEINTRESOURCEW(m_nIDTemplate), RT_DIALOG);
    const void* pTemplate = ::LockResource(::LoadResource(hInstance, hResource));
    if (!pTemplate)
        return false;
    DWORD dwStyle;
    short x, y;
    const auto* pHead = static_cast<const DLGTEMPLATEEX_HEAD*>(pTemplate);
    if (pHead->dlgVer == 1 && pHead->signature == 0xFFFF) {
        dwStyle = pHead->style;
        x = pHead->x;
        y = pHead->y;
    } else {
        const auto* pClassic = static_cast<const DLGTEMPLATE*>(pTemplate);
        dwStyle = pClassic->style;
        x = pClassic->x;
        y = pClassic->y;
    }
    return x == 0 && y == 0 && !(dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN));
}

void CDialog::CenterWindow(HWND hWnd, UINT nFlags)
{
    const HWND hWndOwner = ::GetWindow(hWnd, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(hWndOwner ? hWndOwner : hWnd, MONITOR_DEFAULTTONEAREST),
                      &monitor);
    const RECT& rcArea = monitor.rcWork;
    RECT rcCenter = rcArea;
    if (hWndOwner && ::IsWindowVisible(hWndOwner) && !::IsIconic(hWndOwner))
        ::GetWindowRect(hWndOwner, &rcCenter);

    RECT rcDlg;
    ::GetWindowRect(hWnd, &rcDlg);
    const int cx = rcDlg.right - rcDlg.left;
    const int cy = rcDlg.bottom - rcDlg.top;
    int x = (rcCenter.left + rcCenter.right - cx) / 2;
    int y = (rcCenter.top + rcCenter.bottom - cy) / 2;
    if (x + cx > rcArea.right)
        x = rcArea.right - cx;
    if (x < rcArea.left)
        x = rcArea.left;
    if (y + cy > rcArea.bottom)
        y = rcArea.bottom - cy;
    if (y < rcArea.top)
        y = rcArea.top;
    ::SetWindowPos(hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | nFlags);
}
