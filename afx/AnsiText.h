#pragma once

#include <string>
#include <string_view>

// Text in the ANSI code page for programs that read only that
// (WideCharToMultiByte with CP_ACP, no best fit): a character the code page
// has no place for is "?", never a look-alike that would mean something else
// there (U+FF02 a quote, U+FF3C or, in code page 932, U+00A5 a "\").
std::string AfxToAnsi(std::wstring_view strText);

// The ANSI form the shell gives ANSI programs of a file's UTF-16 name, as
// DragQueryFileA does: a best fit where the code page has one, else "?".
std::string AfxToShellAnsi(std::wstring_view strText);
