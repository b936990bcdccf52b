#pragma once

#include "pathlist/PathIntake.h"

#include <string>

// The items of a source that names files in UTF-16 alone. Their ANSI forms are
// made as the shell makes DragQueryFileA's from a drop's UTF-16 names, so that
// every way in gives the same ANSI list for the same files.
class CUnicodeIntake : public CPathIntake
{
public:
    std::string_view GetAnsiName(unsigned index) final;

private:
    std::string m_strAnsiName;
};
