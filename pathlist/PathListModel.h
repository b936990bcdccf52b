#pragma once

#include "pathlist/CodePage.h"
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
    // given. More than MAX_DROP_COUNT items are refused: false, nothing
    // fetched, nothing changed.
    bool Take(CPathIntake& intake);
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
    // The exact names as they were given, before any switch of separators.
    const std::vector<std::wstring>& GetGivenNames() const { return m_givenNames; }

private:
    CWidePathList m_exactPaths;
    CPathList m_ansiPaths;
    std::vector<std::wstring> m_givenNames;
};
