#pragma once

#include "pathlist/CodePage.h"
#include "pathlist/NameOrder.h"
#include "pathlist/PathIntake.h"
#include "pathlist/PathList.h"

#include <string>
#include <utility>
#include <vector>

// What the main window shows and copies, kept in one place: the list of the
// last intake twice, in step, as the exact names (which the window shows and
// which name the files even where the code page cannot) and in the ANSI code
// page (for programs that read only that), with the count and the two modes
// they share.
class CPathListModel : public CPathListModes
{
public:
    CPathListModel(const CCodePage& codePage, const CUnicodeCase& unicodeCase);

    // Takes every item of the intake into both lists, which start over as
    // given, in the order given. More than MAX_DROP_COUNT items are refused:
    // false, nothing fetched, nothing changed.
    bool Take(CPathIntake& intake);
    // Shows both lists in the order of a folder sorted by name, or back in
    // the order given; their separators and letter case stay.
    void SortByName(const CNameOrderRules& rules);
    void RestoreGivenOrder();
    bool IsInNameOrder() const { return m_bNameOrder; }
    void ToggleSlashes()
    {
        m_exactPaths.ToggleSlashes();
        m_ansiPaths.ToggleSlashes();
    }
    CaseMode CycleCase()
    {
        m_ansiPaths.CycleCase();
        return m_exactPaths.CycleCase();
    }

    // The list in its separators and the letter case that `nCaseMode` names:
    // the exact names, and their ANSI forms.
    std::wstring GetDisplayText(CaseMode nCaseMode) const
    {
        return m_exactPaths.GetDisplayText(nCaseMode);
    }
    std::string GetAnsiDisplayText(CaseMode nCaseMode) const
    {
        return m_ansiPaths.GetDisplayText(nCaseMode);
    }
    // Any text in "\" separators in the shown list's separators and case.
    std::wstring ToDisplayForm(std::wstring text) const
    {
        return m_exactPaths.ToDisplayForm(std::move(text));
    }

    const wchar_t* GetCountText() const { return m_exactPaths.GetCountText(); }
    SlashMode GetSlashMode() const { return m_exactPaths.GetSlashMode(); }
    CaseMode GetCaseMode() const { return m_exactPaths.GetCaseMode(); }
    bool IsEmpty() const { return m_exactPaths.GetPaths().empty(); }
    // The exact names as they were given, before any switch of separators,
    // item by item in the order shown.
    const std::vector<std::wstring>& GetGivenNames() const { return m_shownNames; }

private:
    std::vector<size_t> GivenOrder() const;
    // Both lists afresh, item i being given item order[i]; both modes as at
    // the start.
    void Arrange(const std::vector<size_t>& order);
    // The same, in the modes of the moment.
    void Rearrange(const std::vector<size_t>& order);

    CWidePathList m_exactPaths;
    CPathList m_ansiPaths;
    // The intake's names in the order given, and the exact ones as shown.
    std::vector<std::wstring> m_exactNames;
    std::vector<std::string> m_ansiNames;
    std::vector<std::wstring> m_shownNames;
    bool m_bNameOrder = false;
};
