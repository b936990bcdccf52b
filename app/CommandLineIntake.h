#pragma once

#include "app/UnicodeIntake.h"

#include <windows.h>

#include <string>
#include <vector>

// The files and folders named on the command line: by Send To, a drop on the
// program's icon or a shortcut to it. Every argument after the program's name
// is a name, never an option; empty ones are left out. Each is made a full
// path (a relative name is relative to the current folder) and its short 8.3
// components long where the file exists, as the user sees it: programs and
// the shell hand on short names for paths past 259 characters. A name that
// does not exist is listed as made full. Whole, however long.
class CCommandLineIntake : public CUnicodeIntake
{
public:
    // Split without escapes (CommandLineNames): "C:\" is a drive's root.
    explicit CCommandLineIntake(LPCWSTR lpszCommandLine);

    // False when it names nothing.
    bool IsOpen() const { return !m_names.empty(); }
    unsigned GetCount() const override { return static_cast<unsigned>(m_names.size()); }

private:
    std::wstring FetchName(unsigned index) override;

    // The names as given.
    std::vector<std::wstring> m_names;
};
