#pragma once

#include <string>
#include <string_view>

// Text in the ANSI code page, as Windows converts it for programs that read
// only that (WideCharToMultiByte with CP_ACP): a best fit where the code page
// has one, else "?".
std::string AfxToAnsi(std::wstring_view strText);
