#pragma once

#include "pathlist/CodePage.h"
#include "pathlist/NameOrder.h"
#include "pathlist/PathIntake.h"
#include "pathlist/TextCase.h"

#include <string>
#include <vector>

// What a path list holds whatever its characters: the limit of one drop and
// the two display modes.
struct CPathListModes
{
    static constexpr unsigned MAX_DROP_COUNT = 99;

    enum SlashMode : int
    {
        SLASH_AS_GIVEN = 0,
        SLASH_FORWARD = 1
    };
    enum CaseMode : int
    {
        CASE_AS_STORED = 0,
        CASE_UPPER = 1,
        CASE_LOWER = 2
    };
};

// One item of an intake by both its names: exactly, in UTF-16, and in the
// ANSI code page, as programs that read only that get it.
struct CPathItem
{
    std::wstring strExact;
    std::string strAnsi;
};

// What the main window shows and copies: the items of the last intake in the
// order given, the order they are shown in (as given, or by name), and the
// separators and letter case they are shown in. The items never change;
// every text is made from them when asked, the exact names under the
// platform's Unicode case and the ANSI names under the code page's rules.
class CPathList : public CPathListModes
{
public:
    CPathList(const CCodePage& codePage, const CUnicodeCase& unicodeCase);

    // Takes every item of the intake, in the order given, shown as given.
    // More than MAX_DROP_COUNT items are refused: false, nothing fetched,
    // nothing changed.
    bool AcceptDrop(CPathIntake& intake);

    // Switches every separator shown between "\" and "/": the first switch
    // shows "/", the next "\" and so on; until the first, they show as given.
    void ToggleSlashes();
    // Advances the case mode: as stored, upper, lower, and round again.
    CaseMode CycleCase();
    // Shows the items in the order of a folder sorted by name, or back in the
    // order given; their separators and letter case stay.
    void SortByName(const CNameOrderRules& rules);
    void RestoreGivenOrder();

    // The list as the box shows it: every item in the order, separators and
    // letter case of the moment, CR LF between them.
    std::wstring GetText() const;
    // The same list by the items' ANSI names, under the code page's rules.
    std::string GetAnsiText() const;

    // How many items; item `i` in the order shown: as given, and as shown.
    size_t GetCount() const { return m_order.size(); }
    const CPathItem& GetItem(size_t i) const { return m_items[m_order[i]]; }
    std::wstring GetShownName(size_t i) const { return ToShownForm(GetItem(i).strExact); }
    std::string GetShownAnsiName(size_t i) const;
    // Any text in "\" separators in the separators and case the items show in.
    std::wstring ToShownForm(std::wstring text) const;

    // Whether the box shows nothing: no item, or one without a name.
    bool IsEmpty() const
    {
        return m_items.empty() || (m_items.size() == 1 && m_items[0].strExact.empty());
    }
    const wchar_t* GetCountText() const { return m_szCount; }
    SlashMode GetSlashMode() const { return m_nSlashMode; }
    CaseMode GetCaseMode() const { return m_nCaseMode; }
    bool IsInNameOrder() const { return m_bNameOrder; }

private:
    template <class Rules, class Char>
    void Show(const Rules& rules, std::basic_string<Char>& text) const;

    const CCodePage& m_codePage;
    const CUnicodeCase& m_unicodeCase;
    std::vector<CPathItem> m_items;
    // m_order[i] is the index of the item shown i-th.
    std::vector<size_t> m_order;
    wchar_t m_szCount[8] = {'0'};
    SlashMode m_nSlashMode = SLASH_AS_GIVEN;
    // Set at the first switch: from then on every separator shows as the mode says.
    bool m_bSlashesSwitched = false;
    CaseMode m_nCaseMode = CASE_AS_STORED;
    bool m_bNameOrder = false;
};
