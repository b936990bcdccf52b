#pragma once

#include <string>
#include <vector>

using Paths = std::vector<std::string>;
using WidePaths = std::vector<std::wstring>;

// The paths as the path box shows them: joined by CR LF, none after the last.
template <class Char>
std::basic_string<Char> Join(const std::vector<std::basic_string<Char>>& paths)
{
    std::basic_string<Char> strJoined;
    for (size_t i = 0; i < paths.size(); ++i) {
        if (i)
            strJoined += {Char('\r'), Char('\n')};
        strJoined += paths[i];
    }
    return strJoined;
}
