#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Both count wherever a path is read: the separator switch may have turned
// every "\" into "/".
inline bool IsSeparator(wchar_t ch)
{
    return ch == L'\\' || ch == L'/';
}

inline bool IsAsciiLetter(wchar_t ch)
{
    return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z');
}

// What a path names, its long-path prefix read away: `\\?\C:\x` stands for
// `C:\x`, `\\?\UNC\server\share` for `\\server\share`.
struct CPathParts
{
    enum Kind
    {
        DRIVE,
        UNC,
        OTHER
    };
    Kind nKind;
    // Where the rest starts: at the drive letter; after the separators (and
    // the prefix) before the server's name; at 0 for anything else.
    size_t nRest;
};

CPathParts ReadPath(std::wstring_view line);

// The path a line stands for, in the line's own separators: `\\?\C:\x` is
// `C:\x`, `\\?\UNC\server\share` is `\\server\share`; any other line as it is.
std::wstring ReadAwayPrefix(std::wstring_view line);
