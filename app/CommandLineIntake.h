#pragma once

#include "app/UnicodeIntake.h"

#include <string>
#include <vector>

// The files and folders named on the command line: by Send To, a drop on the
// program's icon or a shortcut to it. Every argument is a name, never an
// option. Each is made a full path (a relative name is relative to the
// current folder) and its short 8.3 components long where the file exists, as
// the user sees it: programs and the shell hand on short names for paths past
// 259 characters. A name that does not exist is listed as made full. Whole,
// however long.
class CCommandLineIntake : public CUnicodeIntake
{
public:
    explicit CCommandLineIntake(const std::vector<std::wstring>& arguments) : m_arguments(arguments)
    {
    }

    unsigned GetCount() const override { return m_arguments.size(); }
    std::wstring_view GetExactName(unsigned index) override;

private:
    const std::vector<std::wstring>& m_arguments;
    std::wstring m_strExactName;
};
