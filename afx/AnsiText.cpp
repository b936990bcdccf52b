#include "afx/AnsiText.h"

#include <windows.h>

namespace {
std::string ToAnsi(std::wstring_view strText, DWORD dwFlags)
{
    const int nWide = static_cast<int>(strText.size());
    std::string strAnsi(
        ::WideCharToMultiByte(CP_ACP, dwFlags, strText.data(), nWide, NULL, 0, NULL, NULL), '\0');
    ::WideCharToMultiByte(CP_ACP, dwFlags, strText.data(), nWide, strAnsi.data(),
                          static_cast<int>(strAnsi.size()), NULL, NULL);
    return strAnsi;
}
} // namespace

std::string AfxToAnsi(std::wstring_view strText)
{
    // UTF-8 as the ANSI code page holds every character, and takes no flag.
    return ToAnsi(strText, ::GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS);
}

std::string AfxToShellAnsi(std::wstring_view strText)
{
    return ToAnsi(strText, 0);
}
