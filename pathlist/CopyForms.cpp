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

std::wstring UrlLine(const CCopyItem& item, const CCopyContext&)
{
    return FileUrl(item.shown);
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
    return NameWithoutExtension(item.shown, context.nameRules.IsFolder(std::wstring(item.given)));
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

CCopyText MakeCopyText(const CCopyForm& form, const CPathList& list,
                       const CServerNames& serverNames, const CNameOrderRules& nameRules,
                       AnsiConversion toAnsi, const CFolderExpansion* pExpansion)
{
    // The items in the order shown, a walked folder's files in its place:
    // each by its name as given, and the list's item it is, if any.
    struct CSource
    {
        std::wstring_view given;
        const CFileDetails* pDetails;
        size_t nItem;
    };
    constexpr size_t WALKED = size_t(-1);
    std::vector<CSource> sources;
    sources.reserve(list.GetCount());
    for (size_t i = 0; i < list.GetCount(); ++i) {
        if (pExpansion && pExpansion->IsWalked(i)) {
            const auto [first, last] = pExpansion->GetFilesOf(i);
            for (size_t j = first; j < last; ++j)
                sources.push_back({pExpansion->GetPath(j), &pExpansion->GetDetails(j), WALKED});
        } else {
            sources.push_back({list.GetItem(i).strExact, nullptr, i});
        }
    }
    // Read from the names as given: the case and separators shown change no
    // name, nor where it ends.
    std::vector<std::wstring_view> given(sources.size());
    for (size_t i = 0; i < given.size(); ++i)
        given[i] = sources[i].given;
    const CCopyContext context = {list, serverNames, nameRules,
                                  CommonFolderNames(given, nameRules)};
    CCopyText text;
    std::wstring html;
    for (size_t i = 0; i < sources.size(); ++i) {
        if (i > 0) {
            text.strText += form.pszBetween;
            text.strAnsi += toAnsi(form.pszBetween);
        }
        const CSource& source = sources[i];
        const std::wstring shown = source.nItem != WALKED
                                       ? list.GetShownName(source.nItem)
                                       : list.ToShownForm(std::wstring(source.given));
        const CCopyItem item = {shown, source.given, source.pDetails};
        const std::wstring line = form.pfnLine(item, context);
        text.strText += line;
        text.strAnsi += line == shown && source.nItem != WALKED
                            ? list.GetShownAnsiName(source.nItem)
                            : toAnsi(line);
        if (form.pHtml)
            (html += i > 0 ? form.pHtml->pszBetween : L"") += form.pHtml->pfnLine(item, context);
        // Walked files are many: the text stops well before memory would.
        if (pExpansion &&
            std::max(text.strText.size(), html.size()) > CFolderExpansion::MAX_CHARS) {
            CCopyText none;
            none.bTooLong = true;
            return none;
        }
    }
    // Appended to the empty string: the program needs no std::string
    // assignment for this one use.
    if (form.pHtml)
        text.strHtml += ClipboardHtml(html);
    return text;
}
