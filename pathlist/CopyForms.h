#pragma once

#include "pathlist/FileTable.h"
#include "pathlist/NameOrder.h"
#include "pathlist/PathList.h"

#include <string>
#include <string_view>
#include <vector>

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
    // What a walk's listing told of the item; NULL: ask the file system.
    const CFileDetails* pDetails = nullptr;
};

// What a form may ask beside its item: the whole list (the shown form of any
// text), the platform's server forms, rules for names and details of files,
// the table's words, and how many names the folder every item is in has (see
// pathlist/RelativePaths).
struct CCopyContext
{
    const CPathList& list;
    const CServerNames& serverNames;
    const CNameOrderRules& nameRules;
    const CFileFacts& fileFacts;
    const CTableWords& tableWords;
    size_t nCommonFolderNames;
};

// The line of one item in a form.
using CopyLine = std::wstring (*)(const CCopyItem& item, const CCopyContext& context);

// The HTML a form puts on the clipboard beside its text: each item's
// fragment, and what goes between them.
struct CHtmlForm
{
    CopyLine pfnLine;
    const wchar_t* pszBetween;
};

// A copy form: the line of each item, what goes between lines (LINES, or a
// separator that puts the list on one line), and its HTML, if it has any.
// A table has a line before the first item's, its header, and its HTML is
// made of its whole text (see pathlist/FileTable).
struct CCopyForm
{
    CopyLine pfnLine;
    const wchar_t* pszBetween;
    const CHtmlForm* pHtml = nullptr;
    bool bTable = false;
};

inline constexpr wchar_t LINES[] = L"\r\n";

// The lines of the forms, each a path for the place it is pasted into: the
// item as shown, in quotes, in quotes as a program's argument, its last name
// alone, its server form, its path under WSL, its file URL, the folder holding
// it, a string literal of it, its path under Git Bash (MSYS2) and under
// Cygwin; its last name without the extension, quoted only where cmd.exe
// needs it, quoted for PowerShell, for bash under WSL and under Git Bash; its
// path from the folder every item is in; a link to it in Markdown and in HTML;
// its row of the table of files.
std::wstring ShownLine(const CCopyItem& item, const CCopyContext& context);
std::wstring QuotedLine(const CCopyItem& item, const CCopyContext& context);
std::wstring ArgumentLine(const CCopyItem& item, const CCopyContext& context);
std::wstring NameLine(const CCopyItem& item, const CCopyContext& context);
std::wstring ServerLine(const CCopyItem& item, const CCopyContext& context);
std::wstring WslLine(const CCopyItem& item, const CCopyContext& context);
std::wstring UrlLine(const CCopyItem& item, const CCopyContext& context);
std::wstring ParentLine(const CCopyItem& item, const CCopyContext& context);
std::wstring EscapedLine(const CCopyItem& item, const CCopyContext& context);
std::wstring GitBashLine(const CCopyItem& item, const CCopyContext& context);
std::wstring CygwinLine(const CCopyItem& item, const CCopyContext& context);
std::wstring StemLine(const CCopyItem& item, const CCopyContext& context);
std::wstring CmdArgumentLine(const CCopyItem& item, const CCopyContext& context);
std::wstring PowerShellLine(const CCopyItem& item, const CCopyContext& context);
std::wstring WslArgumentLine(const CCopyItem& item, const CCopyContext& context);
std::wstring GitBashArgumentLine(const CCopyItem& item, const CCopyContext& context);
std::wstring RelativeLine(const CCopyItem& item, const CCopyContext& context);
std::wstring MarkdownLine(const CCopyItem& item, const CCopyContext& context);
std::wstring HtmlLine(const CCopyItem& item, const CCopyContext& context);
std::wstring TableLine(const CCopyItem& item, const CCopyContext& context);

// The forms of the copy commands.
inline constexpr CCopyForm SHOWN_FORM = {&ShownLine, LINES};
inline constexpr CCopyForm QUOTED_FORM = {&QuotedLine, LINES};
inline constexpr CCopyForm NAME_FORM = {&NameLine, LINES};
inline constexpr CCopyForm SERVER_FORM = {&ServerLine, LINES};
inline constexpr CCopyForm WSL_FORM = {&WslLine, LINES};
inline constexpr CCopyForm URL_FORM = {&UrlLine, LINES};
inline constexpr CCopyForm PARENT_FORM = {&ParentLine, LINES};
inline constexpr CCopyForm ESCAPED_FORM = {&EscapedLine, LINES};
inline constexpr CCopyForm GIT_BASH_FORM = {&GitBashLine, LINES};
inline constexpr CCopyForm CYGWIN_FORM = {&CygwinLine, LINES};
// One command's arguments, as CommandLineToArgvW reads them back.
inline constexpr CCopyForm ONE_LINE_FORM = {&ArgumentLine, L" "};
inline constexpr CCopyForm STEM_FORM = {&StemLine, LINES};
inline constexpr CCopyForm CMD_ARGUMENT_FORM = {&CmdArgumentLine, LINES};
// An array, as -LiteralPath takes it.
inline constexpr CCopyForm POWERSHELL_FORM = {&PowerShellLine, L", "};
// One command's arguments.
inline constexpr CCopyForm WSL_ARGUMENT_FORM = {&WslArgumentLine, L" "};
inline constexpr CCopyForm GIT_BASH_ARGUMENT_FORM = {&GitBashArgumentLine, L" "};
inline constexpr CCopyForm RELATIVE_FORM = {&RelativeLine, LINES};
// One link a line, as a mail program shows it.
inline constexpr CHtmlForm HTML_LINKS = {&HtmlLine, L"<br>\r\n"};
inline constexpr CCopyForm LINK_FORM = {&MarkdownLine, LINES, &HTML_LINKS};
// A row a line under the header, its cells between tabs; beside it the same
// table in HTML, its cells typed for spreadsheets.
inline constexpr CCopyForm TABLE_FORM = {&TableLine, LINES, nullptr, true};

// A copy's text, as Unicode and in the ANSI code page, and the clipboard's
// "HTML Format" (CF_HTML, UTF-8) where the form has any.
struct CCopyText
{
    std::wstring strText;
    std::string strAnsi;
    std::string strHtml;
    // The text would have passed CFolderExpansion::MAX_CHARS, or a table's
    // HTML MAX_TABLE_HTML_CHARS: nothing made.
    bool bTooLong = false;
};

// A table's HTML has some 330 characters of cell formats a row beside its
// text, and is made of every row of a list, walked or not: a limit of its own
// keeps its copies (UTF-16, UTF-8, the clipboard's) within a few hundred MiB
// of the 32-bit program's two GiB. Some 100 000 files of 40-character paths.
inline constexpr size_t MAX_TABLE_HTML_CHARS = size_t{3} << 24;

class CFolderExpansion;

// Unicode text in the ANSI code page, as the platform converts it.
using AnsiConversion = std::string (*)(std::wstring_view text);

// The list in `form`, item by item in the order shown, no separator after the
// last; a form of one line (for a command) leaves out an item with no name,
// which would be an empty argument. One rule makes the ANSI text of every
// form: a line that is its item as shown is that item's ANSI name as shown
// (the bytes the shell gave, under the code page's case rules); any other line
// is its Unicode text converted. With `pExpansion`, each walked folder's files
// take its place, each shown as the list shows any text, and a text past its
// limit is not made.
CCopyText MakeCopyText(const CCopyForm& form, const CPathList& list,
                       const CServerNames& serverNames, const CNameOrderRules& nameRules,
                       const CFileFacts& fileFacts, const CTableWords& tableWords,
                       AnsiConversion toAnsi, const CFolderExpansion* pExpansion = nullptr);
