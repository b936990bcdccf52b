#include "tests/support/MenuWatcher.h"

#include <gtest/gtest.h>

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
        // A submenu's state has its number of items in the high byte.
        const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        const HMENU hSubmenu = ::GetSubMenu(hMenu, i);
        items.push_back({szText, !(nState & MF_SEPARATOR) && (nState & MF_GRAYED),
                         (nState & MF_CHECKED) != 0,
                         hSubmenu ? ReadMenu(hSubmenu) : std::vector<CMenuItemSeen>()});
    }
    return items;
}
} // namespace

CMenuWatcher* CMenuWatcher::s_pWatcher = nullptr;

CMenuWatcher::CMenuWatcher(wchar_t nChar)
    : m_nChar(nChar), m_nTimer(::SetTimer(NULL, 0, 20, OnTick))
{
    s_pWatcher = this;
}

CMenuWatcher::~CMenuWatcher()
{
    ::KillTimer(NULL, m_nTimer);
    s_pWatcher = nullptr;
}

void CALLBACK CMenuWatcher::OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND hMenuWnd = ::FindWindowW(L"#32768", NULL);
    if (!s_pWatcher || !s_pWatcher->m_seen.empty() || !hMenuWnd || !::IsWindowVisible(hMenuWnd))
        return;
    s_pWatcher->m_seen =
        ReadMenu(reinterpret_cast<HMENU>(::SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0)));
    if (s_pWatcher->m_nChar)
        ::PostMessageW(hMenuWnd, WM_CHAR, s_pWatcher->m_nChar, 0);
    else
        ::PostMessageW(hMenuWnd, WM_KEYDOWN, VK_ESCAPE, 0);
}
