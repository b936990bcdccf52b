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

// What the main window shows and copies: the items of the last intake (or of
// the intakes added to it) in the order given, the order they are shown in
// (as given, or by name), and the separators and letter case they are shown
// in. Only intakes, removals and their undoing change the items; every text
// is made from them when asked, the exact names under the platform's Unicode
// case and the ANSI names under the code page's rules.
class CPathList : public CPathListModes
{
public:
    CPathList(const CCodePage& codePage, const CUnicodeCase& unicodeCase);

    // Takes every item of the intake, in the order given, shown as given.
    // More than MAX_DROP_COUNT items are refused: false, nothing fetched,
    // nothing changed. The list replaced is kept for Undo.
    bool AcceptDrop(CPathIntake& intake);
    // Adds the intake's items after the list's, in the order given, in the
    // list's order and modes; an item naming a path the list holds already,
    // or one the intake gave before it, is left out (compared as Windows
    // reads paths: name by name under the rules, "/" as "\", a long-path
    // prefix read away, a trailing separator set aside). Refused, false and
    // nothing changed, when the list would pass MAX_DROP_COUNT items.
    bool AddDrop(CPathIntake& intake, const CNameOrderRules& rules);
    // Whether intakes add to the list (AddDrop) rather than replace it; off
    // at the start.
    void SetAddingOnDrop(bool bAdding) { m_bAddingOnDrop = bAdding; }
    bool IsAddingOnDrop() const { return m_bAddingOnDrop; }

    // Takes out every item whose line the box's selection from character
    // nStart to nEnd touches, or with no selection the caret's line; a line
    // the selection reaches only at its start is kept. The remaining items
    // keep both their orders. Returns the first line taken out, or npos with
    // nothing to take out (an empty list).
    size_t RemoveSelectedLines(size_t nStart, size_t nEnd);
    // Where line nLine (an item shown) starts in GetText(); past the last,
    // the text's length.
    size_t GetLineStart(size_t nLine) const;

    // Puts back the items as they were before the last intake or removal
    // that changed them, in the order and modes of the moment: one step, no
    // further.
    bool Undo(const CNameOrderRules& rules);
    bool CanUndo() const { return m_bCanUndo; }

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
    // Makes `items` the list's and counts them, the old ones kept for Undo;
    // the order is the caller's to set.
    void ChangeItems(std::vector<CPathItem> items);
    void CountItems();
    // The items shown in the order of the moment, as given or by name.
    void Reorder(const CNameOrderRules& rules);

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
    bool m_bAddingOnDrop = false;
    // The items before the last change, while it can be undone.
    std::vector<CPathItem> m_undoItems;
    bool m_bCanUndo = false;
};
