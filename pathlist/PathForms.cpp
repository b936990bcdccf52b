#include "pathlist/PathForms.h"

#include "pathlist/PathParts.h"
#include "pathlist/Utf8.h"

namespace {

bool IsUnreserved(wchar_t ch)
{
    return IsAsciiLetter(ch) || (ch >= L'0' && ch <= L'9') || ch == L'-' || ch == L'.' ||
           ch == L'_' || ch == L'~';
}

// The path in "/" separators, every other character outside the unreserved
// ones as its UTF-8 bytes in %XX.
void AppendEncoded(std::wstring& text, std::wstring_view path)
{
    static constexpr wchar_t HEX[] = L"0123456789ABCDEF";
    const auto isKept = [](wchar_t ch) {
        return IsSeparator(ch) || IsUnreserved(ch);
    };
    for (size_t i = 0; i < path.size();) {
        if (isKept(path[i])) {
            text += IsSeparator(path[i]) ? L'/' : path[i];
            ++i;
            continue;
        }
        // A run as a whole, so that a surrogate pair stays one character.
        size_t end = i + 1;
        while (end < path.size() && !isKept(path[end]))
            ++end;
        for (const unsigned char byte : ToUtf8(path.substr(i, end - i))) {
            text += L'%';
            text += HEX[byte >> 4];
            text += HEX[byte & 0xF];
        }
        i = end;
    }
}

} // namespace

std::wstring_view LastName(std::wstring_view line)
{
    const CPathParts parts = ReadPath(line);
    const std::wstring_view rest = line.substr(parts.nRest);
    if (parts.nKind == CPathParts::DRIVE && rest.find_first_not_of(L"\\/", 2) == rest.npos)
        return rest;
    const size_t last = rest.find_last_not_of(L"\\/");
    if (last == rest.npos)
        return line;
    const size_t before = rest.find_last_of(L"\\/", last);
    const size_t first = before == rest.npos ? 0 : before + 1;
    return rest.substr(first, last + 1 - first);
}

std::wstring NameWithoutExtension(std::wstring_view line, bool bFolder)
{
    const std::wstring_view name = LastName(line);
    const size_t dot = name.find_last_of(L'.');
    if (bFolder || dot == name.npos || name.find_first_not_of(L'.') > dot)
        return std::wstring(name);
    return std::wstring(name.substr(0, dot));
}

std::wstring PosixPath(std::wstring_view line, const wchar_t* mount)
{
    const CPathParts parts = ReadPath(line);
    std::wstring_view rest = line.substr(parts.nRest);
    std::wstring text;
    if (parts.nKind == CPathParts::DRIVE) {
        text = mount;
        text += static_cast<wchar_t>(rest[0] | (L'a' - L'A'));
        rest.remove_prefix(2);
    } else if (parts.nKind == CPathParts::UNC) {
        text = L"//";
    }
    for (wchar_t ch : rest)
        text += IsSeparator(ch) ? L'/' : ch;
    return text;
}

std::wstring FileUrl(std::wstring_view line)
{
    const CPathParts parts = ReadPath(line);
    std::wstring_view rest = line.substr(parts.nRest);
    // An empty line, or a shell item's parsing name (`::{20D04FE0-...}`),
    // names no file: no URL.
    if (parts.nKind == CPathParts::OTHER && (rest.empty() || !IsSeparator(rest[0])))
        return {};
    std::wstring text = L"file:";
    if (parts.nKind == CPathParts::DRIVE) {
        text += L"///";
        text += rest.substr(0, 2);
        rest.remove_prefix(2);
    } else if (parts.nKind == CPathParts::UNC) {
        text += L"//";
    }
    AppendEncoded(text, rest);
    return text;
}
