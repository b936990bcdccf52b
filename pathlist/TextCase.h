#pragma once

#include <string>

// How text of one character type changes letter case, by the rules of the
// platform the program runs on. The path list is handed them; it never
// decides them itself.
template <class Char> class CTextCase
{
public:
    virtual ~CTextCase() = default;

    // In place, character by character; the length never changes.
    virtual void MakeUpper(std::basic_string<Char>& text) const = 0;
    virtual void MakeLower(std::basic_string<Char>& text) const = 0;
};

// Letter case of UTF-16 text (wchar_t is UTF-16 on Windows).
using CUnicodeCase = CTextCase<wchar_t>;
