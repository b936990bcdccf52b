#include "pathlist/CopyForms.h"

#include "pathlist/PathParts.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// A drive root is a name of its own, or nothing of it would be left.
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

// The folder holding the line's item, in the line's separators; a root
// (`C:\`, `\\server\share`) holds itself.
std::wstring ParentOf(std::wstring_view shown)
{
    const std::wstring line = ReadAwayPrefix(shown);
    const CPathParts parts = ReadPath(line);
    // The root: a drive with its separator; a server and its share; the
    // separator of a path from the current drive's root.
    size_t root;
    if (parts.nKind == CPathParts::DRIVE) {
        root = line.size() > 2 ? 3 : 2;
    } else if (parts.nKind == CPathParts::UNC) {
        root = std::min(line.find_first_of(L"\\/", 2), line.size());
        root = std::min(line.find_first_of(L"\\/", root + 1), line.size());
    } else {
        root = std::min(line.find_first_not_of(L"\\/"), line.size());
    }
    // A trailing separator ends the item, not its folder (npos + 1 is 0).
    const size_t end = std::max(line.find_last_not_of(L"\\/") + 1, root);
    const size_t last = end > root ? line.find_last_of(L"\\/", end - 1) : line.npos;
    if (last == line.npos)
        return line;
    return line.substr(0, std::max(line.find_last_not_of(L"\\/", last) + 1, root));
}

// A string literal in C and the languages that took its quoting.
std::wstring Escaped(std::wstring_view shown)
{
    std::wstring text = L"\"";
    for (wchar_t ch : ReadAwayPrefix(shown)) {
        if (ch == L'\\')
            text += ch;
        text += ch;
    }
    return text += L'"';
}

// The line as a Unix-like system on Windows names it: drives as lower-case
// letters under `mount`, servers after "//", in "/" separators.
std::wstring PosixLine(std::wstring_view line, const wchar_t* mount)
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

// The code point at `i`, which it steps past. A surrogate pair is one; a lone
// surrogate, or a 32-bit unit beyond Unicode, is U+FFFD, as Windows' own
// conversion to UTF-8 writes it.
std::uint32_t ReadCodePoint(std::wstring_view text, size_t& i)
{
    const auto unit = static_cast<std::uint32_t>(text[i++]);
    if (unit >= 0xD800 && unit <= 0xDBFF && i < text.size()) {
        const auto low = static_cast<std::uint32_t>(text[i]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++i;
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    if ((unit >= 0xD800 && unit <= 0xDFFF) || unit > 0x10FFFF)
        return 0xFFFD;
    return unit;
}

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
    for (size_t i = 0; i < path.size();) {
        const wchar_t ch = path[i];
        if (IsSeparator(ch) || IsUnreserved(ch)) {
            text += IsSeparator(ch) ? L'/' : ch;
            ++i;
            continue;
        }
        std::uint32_t codePoint = ReadCodePoint(path, i);
        const int count = codePoint < 0x80      ? 1
                          : codePoint < 0x800   ? 2
                          : codePoint < 0x10000 ? 3
                                                : 4;
        unsigned char bytes[4];
        for (int k = count - 1; k > 0; --k) {
            bytes[k] = static_cast<unsigned char>(0x80 | (codePoint & 0x3F));
            codePoint >>= 6;
        }
        // The first byte's marks, by the number of bytes.
        static constexpr unsigned char LEAD[] = {0, 0x00, 0xC0, 0xE0, 0xF0};
        bytes[0] = static_cast<unsigned char>(LEAD[count] | codePoint);
        for (int k = 0; k < count; ++k) {
            text += L'%';
            text += HEX[bytes[k] >> 4];
            text += HEX[bytes[k] & 0xF];
        }
    }
}

// RFC 8089: `file:///C:/dir`, `file://server/share`.
std::wstring Url(std::wstring_view line)
{
    const CPathParts parts = ReadPath(line);
    std::wstring_view rest = line.substr(parts.nRest);
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

} // namespace

std::wstring ShownLine(const CCopyItem& item, const CCopyContext&)
{
    return std::wstring(item.shown);
}

std::wstring QuotedLine(const CCopyItem& item, const CCopyContext&)
{
    // Kept exactly, prefix and all: a quoted long path must keep working.
    return L'"' + std::wstring(item.shown) + L'"';
}

std::wstring NameLine(const CCopyItem& item, const CCopyContext&)
{
    return std::wstring(LastName(item.shown));
}

// A line already on a server is never looked up; one the platform knows no
// server form for stays as shown. The look-up is asked the name as given.
std::wstring ServerLine(const CCopyItem& item, const CCopyContext& context)
{
    const CPathParts parts = ReadPath(item.given);
    if (parts.nKind != CPathParts::UNC) {
        std::wstring server =
            context.serverNames.ServerForm(std::wstring(item.given.substr(parts.nRest)));
        if (!server.empty())
            return context.list.ToShownForm(std::move(server));
    }
    return std::wstring(item.shown);
}

std::wstring WslLine(const CCopyItem& item, const CCopyContext&)
{
    return PosixLine(item.shown, L"/mnt/");
}

std::wstring UrlLine(const CCopyItem& item, const CCopyContext&)
{
    return Url(item.shown);
}

std::wstring ParentLine(const CCopyItem& item, const CCopyContext&)
{
    return ParentOf(item.shown);
}

std::wstring EscapedLine(const CCopyItem& item, const CCopyContext&)
{
    return Escaped(item.shown);
}

std::wstring GitBashLine(const CCopyItem& item, const CCopyContext&)
{
    return PosixLine(item.shown, L"/");
}

std::wstring CygwinLine(const CCopyItem& item, const CCopyContext&)
{
    return PosixLine(item.shown, L"/cygdrive/");
}

CCopyText MakeCopyText(const CCopyForm& form, const CPathList& list,
                       const CServerNames& serverNames, AnsiConversion toAnsi)
{
    const CCopyContext context = {list, serverNames};
    CCopyText text;
    for (size_t i = 0; i < list.GetCount(); ++i) {
        if (i > 0) {
            text.strText += form.pszBetween;
            text.strAnsi += toAnsi(form.pszBetween);
        }
        const std::wstring shown = list.GetShownName(i);
        const std::wstring line = form.pfnLine({shown, list.GetItem(i).strExact}, context);
        text.strText += line;
        text.strAnsi += line == shown ? list.GetShownAnsiName(i) : toAnsi(line);
    }
    return text;
}
