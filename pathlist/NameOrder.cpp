#include "pathlist/NameOrder.h"

#include "pathlist/PathParts.h"

#include <algorithm>
#include <string_view>

namespace {

// What a path is sorted by, made once: comparisons outnumber paths, and
// whether it is a folder is a question to the file system.
struct CSortKey
{
    std::wstring strParent;
    bool bFolder;
    std::wstring strName;
};

CSortKey MakeKey(const std::wstring& path, bool folder)
{
    const CPathParts parts = ReadPath(path);
    // The path the prefix stands for, in "\" alone: a list switched to "/"
    // names the same folders.
    std::wstring full = ReadAwayPrefix(path);
    std::replace_if(full.begin(), full.end(), IsSeparator, L'\\');

    // A trailing separator ends the name, not the parent (npos + 1 is 0).
    const std::wstring_view body =
        std::wstring_view(full).substr(0, full.find_last_not_of(L'\\') + 1);
    const size_t last = body.find_last_of(L'\\');
    // A server's leading "\\" ends no folder: a server, like a drive root, is
    // a name in no folder.
    const size_t head = parts.nKind == CPathParts::UNC ? 2 : 0;
    if (last == body.npos || last < head)
        return {std::wstring(), folder, std::wstring(body)};
    return {std::wstring(body.substr(0, last)), folder, std::wstring(body.substr(last + 1))};
}

bool Precedes(const CSortKey& a, const CSortKey& b, const CNameOrderRules& rules)
{
    if (const int parents = rules.Compare(a.strParent, b.strParent))
        return parents < 0;
    if (a.bFolder != b.bFolder)
        return a.bFolder;
    return rules.Compare(a.strName, b.strName) < 0;
}

} // namespace

std::vector<size_t> NameOrder(const std::vector<std::wstring>& names, const CNameOrderRules& rules)
{
    std::vector<CSortKey> keys;
    keys.reserve(names.size());
    for (const std::wstring& name : names)
        keys.push_back(MakeKey(name, rules.IsFolder(name)));
    // Each item after every earlier one it does not precede, so equal keys
    // keep their order: at most 99 items, and a fraction of the code of
    // std::stable_sort, whose buffer would bring the library's exceptions.
    std::vector<size_t> order;
    order.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i)
        order.insert(
            std::upper_bound(order.begin(), order.end(), i,
                             [&](size_t a, size_t b) { return Precedes(keys[a], keys[b], rules); }),
            i);
    return order;
}
