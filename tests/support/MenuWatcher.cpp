#include "tests/support/MenuWatcher.h"

#include <gtest/gtest.h>

#include <algorithm>

void PrintTo(const CMenuItemSeen& item, std::ostream* pOut)
{
    *pOut << (item.bGrayed ? "greyed " : "") << (item.bChecked ? "checked " : "")
          << ::testing::PrintToString(item.strText);
    if (!item.submenu.empty())
        *pOut << " " << ::testing::PrintToString(item.submenu);
}

namespace {
std::vector<CMenuItemSeen> ReadMenu(HMENU hMenu)
{
    std::vector<CMenuItemSeen> items;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
        wchar_t szText[64] = {};
        ::GetMenuStringW(hMenu, i, szText, 64, MF_BYPOSITION);
        // A submenu's state has its number of items in the high byte, where
        // eight or more would read as MF_SEPARATOR.
        const HMENU hSubmenu = ::GetSubMenu(hMenu, i);
        const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION) & (hSubmenu ? 0xFF : ~0u);
        items.push_back({szText, !(nState & MF_SEPARATOR) && (nState & MF_GRAYED),
                         (nState & MF_CHECKED) != 0,
                         hSubmenu ? ReadMenu(hSubmenu) : std::vector<CMenuItemSeen>()});
    }
    return items;
}
} // namespace

CMenuWatcher* CMenuWatcher::s_pWatcher = nullptr;

CMenuWatcher::CMenuWatcher(const wchar_t* pszKeys)
    : m_strKeys(pszKeys ? pszKeys : L""), m_nTimer(::SetTimer(NULL, 0, 20, OnTick))
{
    s_pWatcher = this;
    // The keys alone choose: a pointer an earlier test left where the menu
    // opens would select the item under it whenever Wine reports it there.
    ::SetCursorPos(0, 0);
}

CMenuWatcher::~CMenuWatcher()
{
    ::KillTimer(NULL, m_nTimer);
    s_pWatcher = nullptr;
}

void CALLBACK CMenuWatcher::OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (!s_pWatcher ||
        s_pWatcher->m_opened.size() >= std::max<size_t>(s_pWatcher->m_strKeys.size(), 1))
        return;
    // The menu, or the submenu its last key opened: one not sent a key yet.
    std::vector<HWND>& opened = s_pWatcher->m_opened;
    HWND hMenuWnd = NULL;
    while ((hMenuWnd = ::FindWindowExW(NULL, hMenuWnd, L"#32768", NULL)))
        if (::IsWindowVisible(hMenuWnd) &&
            std::find(opened.begin(), opened.end(), hMenuWnd) == opened.end())
            break;
    if (!hMenuWnd)
        return;
    if (opened.empty())
        s_pWatcher->m_seen =
            ReadMenu(reinterpret_cast<HMENU>(::SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0)));
    if (s_pWatcher->m_strKeys.empty())
        ::PostMessageW(hMenuWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    else
        ::PostMessageW(hMenuWnd, WM_CHAR, s_pWatcher->m_strKeys[opened.size()], 0);
    opened.push_back(hMenuWnd);
}
