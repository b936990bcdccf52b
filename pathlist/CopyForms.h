#pragma once

#include "pathlist/PathList.h"

#include <string>
#include <string_view>

// The server form of a path on a mapped network drive, as the platform knows it.
class CServerNames
{
public:
    virtual ~CServerNames() = default;
    // exactPath: a path in "\" separators, as the shell named it (e.g. L"Z:\\dir\\f.txt").
    // Returns its server form (L"\\\\server\\share\\dir\\f.txt"), or empty when it has none
    // (local drive, already UNC, not resolvable).
    virtual std::wstring ServerForm(const std::wstring& exactPath) const = 0;
};

// One item as a copy form reads it: as the box shows it (the list's
// separators and letter case), and its exact name as given.
struct CCopyItem
{
    std::wstring_view shown;
    std::wstring_view given;
};

// What a form may ask beside its item: the whole list (a form that needs
// every item, such as paths relative to the folder they share, reads them
// there; the shown form of any text) and the platform's server names.
struct CCopyContext
{
    const CPathList& list;
    const CServerNames& serverNames;
};

// A copy form: the line of each item, and what goes between lines (LINES,
// or a separator that puts the list on one line). A form needing a second
// clipboard format (HTML) would add its maker here and a writer to
// AfxSetClipboardText.
struct CCopyForm
{
    std::wstring (*pfnLine)(const CCopyItem& item, const CCopyContext& context);
    const wchar_t* pszBetween;
};

inline constexpr wchar_t LINES[] = L"\r\n";

// The lines of the forms, each a path for the place it is pasted into: the
// item as shown, in quotes, its last name alone, its server form, its path
// under WSL, its file URL, the folder holding it, a string literal of it, its
// path under Git Bash (MSYS2) and under Cygwin.
std::wstring ShownLine(const CCopyItem& item, const CCopyContext& context);
std::wstring QuotedLine(const CCopyItem& item, const CCopyContext& context);
std::wstring NameLine(const CCopyItem& item, const CCopyContext& context);
std::wstring ServerLine(const CCopyItem& item, const CCopyContext& context);
std::wstring WslLine(const CCopyItem& item, const CCopyContext& context);
std::wstring UrlLine(const CCopyItem& item, const CCopyContext& context);
std::wstring ParentLine(const CCopyItem& item, const CCopyContext& context);
std::wstring EscapedLine(const CCopyItem& item, const CCopyContext& context);
std::wstring GitBashLine(const CCopyItem& item, const CCopyContext& context);
std::wstring CygwinLine(const CCopyItem& item, const CCopyContext& context);

// A copy's text, as Unicode and in the ANSI code page.
struct CCopyText
{
    std::wstring strText;
    std::string strAnsi;
};

// Unicode text in the ANSI code page, as the platform converts it.
using AnsiConversion = std::string (*)(std::wstring_view text);

// The list in `form`, item by item in the order shown, no separator after the
// last. One rule makes the ANSI text of every form: a line that is its item
// as shown is that item's ANSI name as shown (the bytes the shell gave, under
// the code page's case rules); any other line is its Unicode text converted.
CCopyText MakeCopyText(const CCopyForm& form, const CPathList& list,
                       const CServerNames& serverNames, AnsiConversion toAnsi);
