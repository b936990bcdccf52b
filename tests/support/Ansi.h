#pragma once

#include <windows.h>

#include <string>

// Text in the ANSI code page, as the program's controls and boxes hold it.
inline std::string Ansi(const std::wstring& text)
{
    std::string str(
        ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), text.size(), NULL, 0, NULL, NULL), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), text.size(), &str[0], str.size(), NULL, NULL);
    return str;
}
