#include "pathlist/CopyForms.h"

#include "pathlist/FileLinks.h"
#include "pathlist/FolderWalk.h"
#include "pathlist/PathForms.h"
#include "pathlist/PathParts.h"
#include "pathlist/RelativePaths.h"
#include "pathlist/ShellQuoting.h"

#include <algorithm>
#include <string_view>

namespace {

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
    text += L'"';
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
    std::wstring text = L"\"";
    (text += item.shown) += L'"';
    return text;
}

std::wstring ArgumentLine(const CCopyItem& item, const CCopyContext&)
{
    return ArgumentQuoted(item.shown);
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
    return PosixPath(item.shown, WSL_MOUNT);
}

// A line that names no file has no URL: it stays as shown.
std::wstring UrlLine(const CCopyItem& item, const CCopyContext&)
{
    std::wstring url = FileUrl(item.shown);
    return url.empty() ? std::wstring(item.shown) : url;
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
    return PosixPath(item.shown, GIT_BASH_MOUNT);
}

std::wstring CygwinLine(const CCopyItem& item, const CCopyContext&)
{
    return PosixPath(item.shown, CYGWIN_MOUNT);
}

// The file system is asked whether the item is a folder, as the name order
// asks it: by the name as given.
std::wstring StemLine(const CCopyItem& item, const CCopyContext& context)
{
    // A walk lists files only, and has already said so: no question a file.
    const bool bFolder = !item.pDetails && context.nameRules.IsFolder(std::wstring(item.given));
    return NameWithoutExtension(item.shown, bFolder);
}

std::wstring CmdArgumentLine(const CCopyItem& item, const CCopyContext&)
{
    return QuotedIfNeeded(item.shown);
}

std::wstring PowerShellLine(const CCopyItem& item, const CCopyContext&)
{
    return PowerShellQuoted(item.shown);
}

std::wstring WslArgumentLine(const CCopyItem& item, const CCopyContext&)
{
    return WslQuoted(item.shown);
}

std::wstring GitBashArgumentLine(const CCopyItem& item, const CCopyContext&)
{
    return GitBashQuoted(item.shown);
}

std::wstring MarkdownLine(const CCopyItem& item, const CCopyContext&)
{
    return MarkdownLink(item.shown);
}

std::wstring HtmlLine(const CCopyItem& item, const CCopyContext&)
{
    return HtmlLink(item.shown);
}

std::wstring RelativeLine(const CCopyItem& item, const CCopyContext& context)
{
    return RelativePath(item.shown, context.nCommonFolderNames);
}

// Of what a walk told of the item, or else of what the file system tells
// now, asked by its name as given.
std::wstring TableLine(const CCopyItem& item, const CCopyContext& context)
{
    return TableRow(item.shown,
                    item.pDetails ? *item.pDetails
                                  : context.fileFacts.Details(std::wstring(item.given)),
                    context.tableWords);
}

CCopyText MakeCopyText(const CCopyForm& form, const CPathList& list,
                       const CServerNames& serverNames, const CNameOrderRules& nameRules,
                       const CFileFacts& fileFacts, const CTableWords& tableWords,
                       AnsiConversion toAnsi, const CFolderExpansion* pExpansion)
{
    // The lines of item i: the walk's files [first, last) in place of a walked
    // folder; else the item itself, as the one line [0, 1).
    const auto linesOf = [&](size_t i) {
        return pExpansion && pExpansion->IsWalked(i) ? pExpansion->GetFilesOf(i)
                                                     : std::pair<size_t, size_t>(0, 1);
    };
    size_t nLines = 0;
    for (size_t i = 0; i < list.GetCount(); ++i)
        nLines += linesOf(i).second - linesOf(i).first;
    // Read from the names as given: the case and separators shown change no
    // name, nor where it ends.
    std::vector<std::wstring_view> given(nLines);
    for (size_t i = 0, k = 0; i < list.GetCount(); ++i)
        for (auto [j, last] = linesOf(i); j < last; ++j)
            given[k++] = pExpansion && pExpansion->IsWalked(i) ? pExpansion->GetPath(j)
                                                               : list.GetItem(i).strExact;
    const size_t nCommonFolderNames = CommonFolderNames(given, nameRules);
    const CCopyContext context = {list,      serverNames, nameRules,
                                  fileFacts, tableWords,  nCommonFolderNames};
    CCopyText text;
    std::wstring html;
    // A table's header is a line of its own.
    if (form.bTable) {
        (text.strText += tableWords.strHeader) += form.pszBetween;
        text.strAnsi += toAnsi(text.strText);
    }
    // On one line, for a command, an item with no name is no argument.
    const bool bOneLine = std::wstring_view(form.pszBetween) != LINES;
    size_t nWritten = 0;
    for (size_t i = 0, k = 0; i < list.GetCount(); ++i) {
        const bool bWalked = pExpansion && pExpansion->IsWalked(i);
        for (auto [j, last] = linesOf(i); j < last; ++j, ++k) {
            const std::wstring shown =
                bWalked ? list.ToShownForm(std::wstring(given[k])) : list.GetShownName(i);
            if (bOneLine && shown.empty())
                continue;
            if (nWritten++ > 0) {
                text.strText += form.pszBetween;
                text.strAnsi += toAnsi(form.pszBetween);
            }
            const CCopyItem item = {shown, given[k],
                                    bWalked ? &pExpansion->GetDetails(j) : nullptr};
            const std::wstring line = form.pfnLine(item, context);
            text.strText += line;
            text.strAnsi += line == shown && !bWalked ? list.GetShownAnsiName(i) : toAnsi(line);
            if (form.pHtml)
                (html += nWritten > 1 ? form.pHtml->pszBetween : L"") +=
                    form.pHtml->pfnLine(item, context);
            // Walked files are many: the text stops well before memory would.
            if (pExpansion &&
                std::max(text.strText.size(), html.size()) > CFolderExpansion::MAX_CHARS)
                return {{}, {}, {}, true};
        }
    }
    if (form.bTable && !AppendTableHtml(html, text.strText, MAX_TABLE_HTML_CHARS))
        return {{}, {}, {}, true};
    // Appended to the empty string: the program needs no std::string
    // assignment for this one use.
    if (form.pHtml || form.bTable)
        text.strHtml += ClipboardHtml(html);
    return text;
}
