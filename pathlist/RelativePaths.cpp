#include "pathlist/RelativePaths.h"

#include "pathlist/PathParts.h"

#include <algorithm>

namespace {

// The name at or after `pos`, which it steps past; empty past the last.
std::wstring_view NextName(std::wstring_view path, size_t& pos)
{
    const size_t start = std::min(path.find_first_not_of(L"\\/", pos), path.size());
    pos = std::min(path.find_first_of(L"\\/", start), path.size());
    return path.substr(start, pos - start);
}

// A path read as its names: a drive ("C:"), or a server and its share, first;
// that root is no folder an item can be relative to.
struct CNamedPath
{
    explicit CNamedPath(std::wstring_view line) : strPath(ReadAwayPrefix(line))
    {
        const CPathParts::Kind nKind = ReadPath(strPath).nKind;
        nRootNames = nKind == CPathParts::DRIVE ? 1 : nKind == CPathParts::UNC ? 2 : 0;
        for (size_t pos = 0; !NextName(strPath, pos).empty();)
            ++nNames;
    }

    // The number of names of the folder holding it, 0 where it has none.
    size_t FolderNames() const { return nRootNames > 0 && nNames > nRootNames ? nNames - 1 : 0; }

    std::wstring strPath;
    size_t nRootNames;
    size_t nNames = 0;
};

} // namespace

size_t CommonFolderNames(const std::vector<std::wstring_view>& lines, const CNameOrderRules& rules)
{
    const auto named = std::find_if(lines.begin(), lines.end(), [](auto l) { return !l.empty(); });
    if (named == lines.end())
        return 0;
    const CNamedPath first(*named);
    size_t count = first.FolderNames();
    for (auto line = named + 1; line != lines.end() && count >= first.nRootNames; ++line) {
        if (line->empty())
            continue;
        const CNamedPath path(*line);
        if (path.nRootNames != first.nRootNames)
            return 0;
        const size_t most = std::min(count, path.FolderNames());
        size_t a = 0, b = 0;
        count = 0;
        while (count < most &&
               rules.IsSameName(NextName(first.strPath, a), NextName(path.strPath, b)))
            ++count;
    }
    return count >= first.nRootNames ? count : 0;
}

std::wstring RelativePath(std::wstring_view line, size_t nFolderNames)
{
    const std::wstring path = ReadAwayPrefix(line);
    size_t pos = 0;
    for (size_t i = 0; i < nFolderNames; ++i)
        NextName(path, pos);
    const size_t start = nFolderNames > 0 ? path.find_first_not_of(L"\\/", pos) : 0;
    return start < path.size() ? path.substr(start) : path;
}
