#pragma once

#include <string>
#include <vector>

using Paths = std::vector<std::string>;

// The paths as the path box shows them: joined by CR LF, none after the last.
inline std::string Join(const Paths& paths)
{
    std::string strJoined;
    for (size_t i = 0; i < paths.size(); ++i)
        strJoined += (i ? "\r\n" : "") + paths[i];
    return strJoined;
}
