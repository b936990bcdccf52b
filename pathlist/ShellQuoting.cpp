#include "pathlist/ShellQuoting.h"

#include "pathlist/PathForms.h"

namespace {

bool IsPowerShellQuote(wchar_t ch)
{
    return ch == L'\'' || (ch >= 0x2018 && ch <= 0x201B);
}

std::wstring BashQuoted(std::wstring_view path)
{
    std::wstring text = L"'";
    for (wchar_t ch : path)
        if (ch == L'\'')
            text += L"'\\''";
        else
            text += ch;
    text += L'\'';
    return text;
}

} // namespace

std::wstring ArgumentQuoted(std::wstring_view line)
{
    // The backslashes before the closing quote doubled (npos + 1 is 0).
    std::wstring text = L"\"";
    text += line;
    text.append(line.size() - (line.find_last_not_of(L'\\') + 1), L'\\');
    text += L'"';
    return text;
}

std::wstring QuotedIfNeeded(std::wstring_view line)
{
    if (!line.empty() && line.find_first_of(L" &()[]{}^=;!'+,`~") == line.npos)
        return std::wstring(line);
    return ArgumentQuoted(line);
}

std::wstring PowerShellQuoted(std::wstring_view line)
{
    std::wstring text = L"'";
    for (wchar_t ch : line) {
        if (IsPowerShellQuote(ch))
            text += ch;
        text += ch;
    }
    text += L'\'';
    return text;
}

std::wstring WslQuoted(std::wstring_view line)
{
    return BashQuoted(PosixPath(line, WSL_MOUNT));
}

std::wstring GitBashQuoted(std::wstring_view line)
{
    return BashQuoted(PosixPath(line, GIT_BASH_MOUNT));
}
