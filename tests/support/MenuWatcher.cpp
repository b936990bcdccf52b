#include "tests/support/MenuWatcher.h"

#include <gtest/gtest.h>

void PrintTo(const CMenuItemSeen& item, std::ostream* pOut)
{
    *pOut << (item.bGrayed ? "greyed " : "") << ::testing::PrintToString(item.strText);
}

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
    const auto hMenu = reinterpret_cast<HMENU>(::SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
        wchar_t szText[64] = {};
        ::GetMenuStringW(hMenu, i, szText, 64, MF_BYPOSITION);
        const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        s_pWatcher->m_seen.push_back({szText, !(nState & MF_SEPARATOR) && (nState & MF_GRAYED)});
    }
    if (s_pWatcher->m_nChar)
        ::PostMessageW(hMenuWnd, WM_CHAR, s_pWatcher->m_nChar, 0);
    else
        ::PostMessageW(hMenuWnd, WM_KEYDOWN, VK_ESCAPE, 0);
}
