#pragma once

#include "pathlist/CodePage.h"
#include "pathlist/TextCase.h"

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

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

// The state behind the main window: the paths of the last drop joined by
// CR LF, the text of that drop's item count, and the two display modes.
// Kept twice by the window: in the ANSI code page (CPathList) and as the
// exact names in UTF-16 (CWidePathList), under the same rules.
template <class Char> class CBasicPathList : public CPathListModes
{
public:
    using String = std::basic_string<Char>;
    // Multibyte text needs its code page's lead bytes; UTF-16 only its case.
    using Rules = std::conditional_t<std::is_same_v<Char, char>, CCodePage, CTextCase<Char>>;

    // Yields the path of item `index`, whole; the view stays valid until the
    // next call.
    using FetchPath = std::function<std::basic_string_view<Char>(unsigned index)>;

    explicit CBasicPathList(const Rules& rules);

    // Takes a drop of `count` items, fetching each path in index order, and
    // returns true. A drop of more than MAX_DROP_COUNT items is refused: it
    // returns false without fetching anything and changes nothing.
    bool AcceptDrop(unsigned count, const FetchPath& fetch);

    // Switches every single-byte "\" to "/" or back; double-byte characters
    // are stepped over whole, so two calls restore the list unit for unit.
    void ToggleSlashes();

    // Advances the case mode: as stored, upper, lower, and round again.
    CaseMode CycleCase();

    // A copy of the list in the letter case that `nCaseMode` names; the list
    // itself keeps the case the shell gave it.
    String GetDisplayText(CaseMode nCaseMode) const;

    // Any `text` in "\" separators as the list would show it now: in "/" in
    // the forward mode and in the case mode's letter case, by the list's rules.
    String ToDisplayForm(String text) const;

    const String& GetPaths() const { return m_strPaths; }
    const Char* GetCountText() const { return m_szCount; }
    SlashMode GetSlashMode() const { return m_nSlashMode; }
    CaseMode GetCaseMode() const { return m_nCaseMode; }

private:
    const Rules& m_rules;
    String m_strPaths;
    Char m_szCount[8] = {'0'};
    SlashMode m_nSlashMode = SLASH_AS_GIVEN;
    CaseMode m_nCaseMode = CASE_AS_STORED;
};

extern template class CBasicPathList<char>;
extern template class CBasicPathList<wchar_t>;

using CPathList = CBasicPathList<char>;
using CWidePathList = CBasicPathList<wchar_t>;
