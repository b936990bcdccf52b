#pragma once

#include "pathlist/NameOrder.h"

#include <string>
#include <string_view>
#include <vector>

// Paths relative to the deepest folder that holds every item of the list:
// `C:\dir\a b.txt` and `C:\dir\sub\c.txt` give `a b.txt` and `sub\c.txt`; one
// item gives its name. A long-path prefix is read as the path it stands for.

// How many names that folder has, a drive ("C:") or a server and its share
// counting as the first: 0 where no folder holds every line (two drives, two
// servers, a drive root or a share among them). An empty line (an item the
// shell could not name) holds the others back from nothing. Names are
// compared by the platform's rules.
size_t CommonFolderNames(const std::vector<std::wstring_view>& lines, const CNameOrderRules& rules);

// The line after its first nFolderNames names, as written (its letter case
// and separators, a trailing separator kept); for 0, or an empty line, the
// whole line.
std::wstring RelativePath(std::wstring_view line, size_t nFolderNames);
