#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

// An item of a popup menu as it showed: its text (empty for a separator),
// whether it was greyed or checked, and the items of its submenu.
struct CMenuItemSeen
{
    std::wstring strText;
    bool bGrayed;
    bool bChecked = false;
    std::vector<CMenuItemSeen> submenu = {};
    bool operator==(const CMenuItemSeen& other) const
    {
        return strText == other.strText && bGrayed == other.bGrayed && bChecked == other.bChecked &&
               submenu == other.submenu;
    }
    friend void PrintTo(const CMenuItemSeen& item, std::ostream* pOut);
};

// While it lives, watches from inside the menu's own loop for a popup menu
// of this thread: records its items once it opens, then posts it the first of
// pszKeys (items' access keys), each submenu that opens the next; with no
// keys, Esc.
class CMenuWatcher
{
public:
    explicit CMenuWatcher(const wchar_t* pszKeys);
    ~CMenuWatcher();
    CMenuWatcher(const CMenuWatcher&) = delete;
    CMenuWatcher& operator=(const CMenuWatcher&) = delete;

    const std::vector<CMenuItemSeen>& Seen() const { return m_seen; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);

    static CMenuWatcher* s_pWatcher;
    std::wstring m_strKeys;
    // The menu windows already sent their key, the first the menu's own.
    std::vector<HWND> m_opened;
    std::vector<CMenuItemSeen> m_seen;
    UINT_PTR m_nTimer;
};
