#pragma once

#include "pathlist/NameOrder.h"

#include <string>
#include <string_view>
#include <vector>

// Each line of the list relative to the deepest folder that holds every item
// (`C:\dir\a b.txt` and `C:\dir\sub\c.txt` give `a b.txt` and `sub\c.txt`; one
// item gives its name), written as shown: its letter case and separators, a
// trailing separator kept. Where no folder holds every item (two drives, two
// servers, a drive root or a share among them) every line stays whole. A
// long-path prefix is read as the path it stands for. An empty line (an item
// the shell could not name) stays empty and holds the others back from nothing.
// Names are compared by the platform's rules.
std::vector<std::wstring> RelativePaths(const std::vector<std::wstring_view>& lines,
                                        const CNameOrderRules& rules);
