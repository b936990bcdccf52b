#pragma once

#include "pathlist/PathIntake.h"

#include <string>
#include <vector>

// The items of a source that names files in UTF-16 alone, each asked of the
// source once, in index order. Their ANSI forms are made from the exact names
// fetched, as the shell makes DragQueryFileA's from a drop's UTF-16 names, so
// that every way in gives the same ANSI list for the same files, and a file
// renamed between two askings cannot make the lists disagree.
class CUnicodeIntake : public CPathIntake
{
public:
    std::wstring_view GetExactName(unsigned index) final;
    std::string_view GetAnsiName(unsigned index) final;

protected:
    // Item `index`'s name, asked of the source.
    virtual std::wstring FetchName(unsigned index) = 0;

private:
    // The names fetched, by index.
    std::vector<std::wstring> m_exactNames;
    std::string m_strAnsiName;
};
