#include "pathlist/RelativePaths.h"

#include "pathlist/PathParts.h"

#include <algorithm>
#include <utility>

namespace {

// A path split into its names, a drive ("C:") or a server and its share
// first: the root no item of the list can be relative to.
struct CNamedPath
{
    explicit CNamedPath(std::wstring_view line) : strPath(ReadAwayPrefix(line))
    {
        const CPathParts parts = ReadPath(strPath);
        nRootNames = parts.nKind == CPathParts::DRIVE ? 1 : parts.nKind == CPathParts::UNC ? 2 : 0;
        const std::wstring_view path = strPath;
        for (size_t start = parts.nRest; start < path.size();) {
            const size_t end = std::min(path.find_first_of(L"\\/", start), path.size());
            if (end > start)
                names.push_back({start, end - start});
            start = end + 1;
        }
    }

    // The number of names of the folder holding it, 0 where it has none.
    size_t FolderNames() const
    {
        return nRootNames > 0 && names.size() > nRootNames ? names.size() - 1 : 0;
    }

    std::wstring_view Name(size_t i) const
    {
        return std::wstring_view(strPath).substr(names[i].first, names[i].second);
    }

    std::wstring strPath;
    size_t nRootNames;
    // Where each name starts in strPath, and its length.
    std::vector<std::pair<size_t, size_t>> names;
};

// How many names the deepest folder holding every path has; 0 for none.
size_t CommonFolderNames(const std::vector<CNamedPath>& paths, const CNameOrderRules& rules)
{
    const CNamedPath* first = nullptr;
    size_t count = 0;
    for (const CNamedPath& path : paths) {
        if (path.strPath.empty())
            continue;
        if (!first) {
            first = &path;
            count = path.FolderNames();
            continue;
        }
        if (path.nRootNames != first->nRootNames)
            return 0;
        count = std::min(count, path.FolderNames());
        for (size_t i = 0; i < count; ++i)
            if (!rules.IsSameName(path.Name(i), first->Name(i)))
                count = i;
    }
    return first && count >= first->nRootNames ? count : 0;
}

} // namespace

std::vector<std::wstring> RelativePaths(const std::vector<std::wstring_view>& lines,
                                        const CNameOrderRules& rules)
{
    const std::vector<CNamedPath> paths(lines.begin(), lines.end());
    const size_t count = CommonFolderNames(paths, rules);
    std::vector<std::wstring> relative;
    for (const CNamedPath& path : paths) {
        if (count == 0 || path.strPath.empty())
            relative.push_back(path.strPath);
        else
            relative.push_back(path.strPath.substr(path.names[count].first));
    }
    return relative;
}
