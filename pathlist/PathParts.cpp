#include "pathlist/PathParts.h"

namespace {

// `ch` is the ASCII letter `upper` in either case: the case modes change the
// prefix's "UNC" too.
bool IsLetter(wchar_t ch, wchar_t upper)
{
    return ch == upper || ch == upper + (L'a' - L'A');
}

bool IsDrivePath(std::wstring_view path)
{
    return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == L':' &&
           (path.size() == 2 || IsSeparator(path[2]));
}

} // namespace

CPathParts ReadPath(std::wstring_view line)
{
    const bool longPath = line.size() >= 4 && IsSeparator(line[0]) && IsSeparator(line[1]) &&
                          line[2] == L'?' && IsSeparator(line[3]);
    if (longPath) {
        const std::wstring_view rest = line.substr(4);
        if (IsDrivePath(rest))
            return {CPathParts::DRIVE, 4};
        if (rest.size() >= 4 && IsLetter(rest[0], L'U') && IsLetter(rest[1], L'N') &&
            IsLetter(rest[2], L'C') && IsSeparator(rest[3]))
            return {CPathParts::UNC, 8};
    }
    if (IsDrivePath(line))
        return {CPathParts::DRIVE, 0};
    // Any other `\\?\` path is named after no drive either: kept whole as UNC.
    if (line.size() >= 2 && IsSeparator(line[0]) && IsSeparator(line[1]))
        return {CPathParts::UNC, 2};
    return {CPathParts::OTHER, 0};
}

std::wstring ReadAwayPrefix(std::wstring_view line)
{
    // A server's two leading separators are kept, whichever the prefix had.
    const CPathParts parts = ReadPath(line);
    std::wstring path(line.substr(0, parts.nKind == CPathParts::UNC ? 2 : 0));
    path += line.substr(parts.nRest);
    return path;
}
