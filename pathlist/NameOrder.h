#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How the platform orders names, tells whether two names are one, and tells
// folders from files.
class CNameOrderRules
{
public:
    virtual ~CNameOrderRules() = default;
    // <0, 0, >0, as the shell compares two names or paths (NUL-terminated).
    virtual int Compare(const std::wstring& a, const std::wstring& b) const = 0;
    // Whether two single names (no separators; a drive is "C:") name the same
    // thing, as the file system tells: letter case ignored in every script.
    virtual bool IsSameName(std::wstring_view a, std::wstring_view b) const = 0;
    // Whether the exact path names a folder; one that cannot be read is a file.
    virtual bool IsFolder(const std::wstring& exactPath) const = 0;
};

// The order of `names` (exact paths, "\" separators, as the shell gave them) as a folder sorted by
// name shows them: by parent folder, then folders before files, then by name; "/" counts as "\".
// Returns the indices of names in name order; equal keys keep their given order.
//
// A path's parent is what comes before its last separator, a trailing one set aside
// (`C:\dir\sub\` is `sub` in `C:\dir`), read as the path it stands for (`\\?\C:\x` as `C:\x`,
// `\\?\UNC\server\share\x` as `\\server\share\x`). A drive root (`C:\`) or a server (`\\server`)
// has no parent and is its own name. IsFolder is asked once for each path, as it was given.
std::vector<size_t> NameOrder(const std::vector<std::wstring>& names, const CNameOrderRules& rules);
