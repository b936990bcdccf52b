#pragma once

#include "pathlist/CodePage.h"

#include <functional>
#include <string>
#include <string_view>

// The state behind the main window: the paths of the last drop joined by
// CR LF, the text of that drop's item count, and the two display modes.
class CPathList
{
public:
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

    // Yields the path of item `index`, whole; the view stays valid until the
    // next call.
    using FetchPath = std::function<std::string_view(unsigned index)>;

    explicit CPathList(const CCodePage& codePage);

    // Takes a drop of `count` items, fetching each path in index order, and
    // returns true. A drop of more than MAX_DROP_COUNT items is refused: it
    // returns false without fetching anything and changes nothing.
    bool AcceptDrop(unsigned count, const FetchPath& fetch);

    // Switches every single-byte "\" to "/" or back; double-byte characters
    // are stepped over whole, so two calls restore the list byte for byte.
    void ToggleSlashes();

    // Advances the case mode: as stored, upper, lower, and round again.
    CaseMode CycleCase();

    // A copy of the list in the letter case that `nCaseMode` names; the list
    // itself keeps the case the shell gave it.
    std::string GetDisplayText(CaseMode nCaseMode) const;

    const std::string& GetPaths() const { return m_strPaths; }
    const char* GetCountText() const { return m_szCount; }
    SlashMode GetSlashMode() const { return m_nSlashMode; }
    CaseMode GetCaseMode() const { return m_nCaseMode; }

private:
    const CCodePage& m_codePage;
    std::string m_strPaths;
    char m_szCount[8] = "0";
    SlashMode m_nSlashMode = SLASH_AS_GIVEN;
    CaseMode m_nCaseMode = CASE_AS_STORED;
};
