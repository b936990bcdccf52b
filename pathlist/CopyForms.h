#pragma once

#include "pathlist/PathListModel.h"

#include <string>

// The server form of a path on a mapped network drive, as the platform knows it.
class CServerNames
{
public:
    virtual ~CServerNames() = default;
    // exactPath: a path in "\" separators, as the shell named it (e.g. L"Z:\\dir\\f.txt").
    // Returns its server form (L"\\\\server\\share\\dir\\f.txt"), or empty when it has none
    // (local drive, already UNC, not resolvable).
    virtual std::wstring ServerForm(const std::wstring& exactPath) const = 0;
};

// The forms a copy can put the list in, for the place it is pasted into:
// each path in quotes, its last name alone, its server form, its path under
// WSL, its file URL; the folder holding it, a string literal of it, its path
// under Git Bash (MSYS2) and under Cygwin; all of them quoted on one line.
enum class CopyForm
{
    QUOTED,
    NAMES_ONLY,
    UNC,
    WSL,
    URL,
    PARENT_FOLDER,
    ESCAPED,
    GIT_BASH,
    CYGWIN,
    ONE_LINE
};

// The list as the window shows it, line by line in `form`, lines joined by CR LF (by one space
// for ONE_LINE), none after the last.
std::wstring MakeCopyText(CopyForm form, const CPathListModel& list,
                          const CServerNames& serverNames);
