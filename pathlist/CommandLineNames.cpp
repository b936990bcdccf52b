#include "pathlist/CommandLineNames.h"

namespace {
bool IsBlank(wchar_t ch)
{
    return ch == L' ' || ch == L'\t';
}

// The argument at `pos`, up to a blank outside quotes, without its quotes;
// `pos` moves past it.
std::wstring NextArgument(std::wstring_view line, size_t& pos)
{
    std::wstring argument;
    for (bool quoted = false; pos < line.size() && (quoted || !IsBlank(line[pos])); ++pos) {
        if (line[pos] == L'"')
            quoted = !quoted;
        else
            argument += line[pos];
    }
    return argument;
}
} // namespace

std::vector<std::wstring> CommandLineNames(std::wstring_view commandLine)
{
    size_t pos = 0;
    NextArgument(commandLine, pos); // the program's own name
    std::vector<std::wstring> names;
    for (;;) {
        while (pos < commandLine.size() && IsBlank(commandLine[pos]))
            ++pos;
        if (pos == commandLine.size())
            return names;
        std::wstring name = NextArgument(commandLine, pos);
        if (!name.empty())
            names.push_back(std::move(name));
    }
}
