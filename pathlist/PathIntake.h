#pragma once

#include <string_view>

// The items of one intake of files (a drop, a paste): how many, and each
// one's path exactly, in UTF-16, and in the ANSI code page, as programs that
// read only that code page get it. Whole, however long.
class CPathIntake
{
public:
    virtual ~CPathIntake() = default;

    // Asked first, and once: an intake of too many items is refused before
    // any item is fetched.
    virtual unsigned GetCount() const = 0;
    // Item `index` (below the count), in index order, its exact name asked
    // before its ANSI one: an intake that makes one from the other need not
    // ask its source twice. Each view stays valid until the next call of
    // either.
    virtual std::wstring_view GetExactName(unsigned index) = 0;
    virtual std::string_view GetAnsiName(unsigned index) = 0;
};
