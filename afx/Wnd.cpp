#include "afx/Wnd.h"

#include <shellapi.h>

#include <utility>

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

void CWnd::GetWindowText(std::wstring& rString) const
{
    rString.resize(::GetWindowTextLengthW(m_hWnd));
    rString.resize(::GetWindowTextW(m_hWnd, rString.data(), static_cast<int>(rString.size() + 1)));
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message, wParam);
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
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CWnd::FindMessageEntry(UINT message, WPARAM wParam) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnDispatch; ++pEntry) {
            if (pEntry->nMessage != message)
                continue;
            if (message != WM_COMMAND ||
                (pEntry->nCode == HIWORD(wParam) && pEntry->nID == LOWORD(wParam)))
                return pEntry;
        }
    }
    return nullptr;
}
