#include "afx/Wnd.h"

#include "afx/SystemLibrary.h"

#include <shellapi.h>

#include <initializer_list>
#include <utility>

namespace {
using ChangeWindowMessageFilterExProc = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);

// Windows keeps messages of programs at a lower integrity level from an
// elevated window: run as administrator, the window would get no drop from
// the shell. Lets exactly the messages of a drop through, to this window
// alone. Windows 7 and later; Vista lets drops through itself. Wine's is a
// stub that changes nothing.
void AllowDropsFromLowerIntegrity(HWND hWnd)
{
    const auto pfnChangeFilter = AfxGetProcAddress<ChangeWindowMessageFilterExProc>(
        ::GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx");
    if (!pfnChangeFilter)
        return;
    for (const UINT message :
         {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), WM_COPYGLOBALDATA})
        pfnChangeFilter(hWnd, message, MSGFLT_ALLOW, NULL);
}
} // namespace

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
    if (bAccept)
        AllowDropsFromLowerIntegrity(m_hWnd);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    m_hWnd = ::GetDlgItem(pParent->m_hWnd, nID);
    if (!m_hWnd)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return TRUE;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    const WNDPROC pfnSuper = pWnd->m_pfnSuper;
    if (message == WM_NCDESTROY) {
        // The control's last message: it ends as its own class made it.
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
        pWnd->m_hWnd = NULL;
    } else {
        LRESULT lResult = 0;
        if (pWnd->OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
    }
    return ::CallWindowProcW(pfnSuper, hWnd, message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message, wParam, lParam);
    if (!pEntry)
        return false;
    bool bDefault = false;
    bool* pbOuterDefault = std::exchange(m_pbDefault, &bDefault);
    *pResult = pEntry->pfnDispatch(*this, wParam, lParam);
    m_pbDefault = pbOuterDefault;
    return !bDefault;
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CWnd::FindMessageEntry(UINT message, WPARAM wParam, LPARAM lParam) const
{
    // A command from a menu (code 0) or an accelerator (code 1) comes from no
    // control; both are commands, as a button's click is.
    const UINT nCode = message == WM_COMMAND && !lParam ? 0 : HIWORD(wParam);
    const UINT nID = LOWORD(wParam);
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnDispatch; ++pEntry) {
            if (pEntry->nMessage != message)
                continue;
            if (message != WM_COMMAND ||
                (pEntry->nCode == nCode && pEntry->nID <= nID && nID <= pEntry->nLastID))
                return pEntry;
        }
    }
    return nullptr;
}
